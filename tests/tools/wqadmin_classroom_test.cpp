// wqadmin init --programs: a classroom folder beside a read-only installation.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "files/global_settings.h"
#include "temp_dir.h"
#include "wqadmin_runner.h"

namespace kz {
namespace {

namespace fs = std::filesystem;
using test::runWqadmin;

// An installed folder as the package makes it: programs (scripts that note the path they were
// started as), help documents and a folder of help pictures, icons, the sample data, and its own
// settings. The class links only what it must not hold copies of.
struct Installed {
    explicit Installed(const test::TempDir& root, bool sampleData = true) : dir(root / "opt kz") {
        const std::string started = (root / "started").string();
        for (const char* program : {"kiv", "zan"}) {
            root.write(std::string("opt kz/") + program,
                       "#!/bin/sh\nprintf '%s' \"$0\" > " + test::shellQuote(started) + "\n");
            fs::permissions(dir / program, fs::perms::owner_all, fs::perm_options::add);
        }
        for (const char* file :
             {"kiv-help.html", "zan-help.html", "kiv-help.fr.html", "desk-help.de.html",
              "help-pictures/frog.png", "help-pictures/frog.fr.png", "kiv_fr.qm", "kzui_fr.qm",
              "desk_de.qm", "icons/kiv.svg", "icons/zan.svg", "GLOBSET.WQ"}) {
            root.write(std::string("opt kz/") + file, "installed");
        }
        if (sampleData) root.write("opt kz/DATA/25SAMPLE.DAT", "story");
    }
    fs::path dir;
};

std::string field(const std::string& entry, const std::string& key) {
    const size_t at = entry.find("\n" + key + "=");
    if (at == std::string::npos) return "(none)";
    const size_t start = at + key.size() + 2;
    return entry.substr(start, entry.find('\n', start) - start);
}

TEST(WqadminClassroom, LinksTheInstalledProgramsAndHelpAndKeepsItsOwnSettings) {
    test::TempDir root;
    const Installed installed(root);
    const fs::path room = root / "class 4B";
    const auto r =
        runWqadmin({"init", room.string(), "--programs", "--from", installed.dir.string()});
    ASSERT_EQ(r.status, 0) << r.err;

    // The help in every language and the compiled translations too: the programs look for them
    // beside themselves.
    for (const char* name :
         {"kiv", "zan", "kiv-help.html", "zan-help.html", "kiv-help.fr.html", "desk-help.de.html",
          "help-pictures", "kiv_fr.qm", "kzui_fr.qm", "desk_de.qm"}) {
        ASSERT_TRUE(fs::is_symlink(room / name)) << name;
        EXPECT_EQ(fs::read_symlink(room / name), installed.dir / name) << name;
    }
    // Each document's pictures, in its own language too, are found through the class folder.
    for (const char* picture : {"help-pictures/frog.png", "help-pictures/frog.fr.png"}) {
        EXPECT_TRUE(fs::is_regular_file(room / picture)) << picture;
    }
    // The installed settings and icons stay where they are; the data folders are the class's.
    EXPECT_FALSE(fs::exists(room / "icons"));
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(room / "DATA")));
    EXPECT_EQ(fs::read_symlink(room / "DATA/25SAMPLE.DAT"), installed.dir / "DATA/25SAMPLE.DAT");
    for (const char* name : {"GLOBSET.WQ", "USERS.WQ", "TEACHER.WQ", "LOG.WQ"}) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(room / name))) << name;
    }
    const auto globals = GlobalSettings::decode(root.read("class 4B/GLOBSET.WQ"));
    EXPECT_EQ(globals.dataDir(), room.string());  // its own data directory
    EXPECT_EQ(globals.logSessions(), 1);

    for (const char* program : {"kiv", "zan"}) {
        const std::string entry = root.read(std::string("class 4B/") + program + ".desktop");
        EXPECT_EQ(field(entry, "Name"),
                  std::string(program == std::string("kiv") ? "Kiv - Words" : "Zan - Phrases") +
                      " (class 4B)");
        EXPECT_EQ(field(entry, "TryExec"), (room / program).string());
        EXPECT_EQ(field(entry, "Exec"), "\"" + (room / program).string() + "\"");
        EXPECT_EQ(field(entry, "Icon"), (installed.dir / "icons" / program).string() + ".svg");
        const auto mode = fs::status(room / (std::string(program) + ".desktop")).permissions();
        EXPECT_NE(mode & fs::perms::owner_exec, fs::perms::none) << program;
    }
}

TEST(WqadminClassroom, TheDataDirectoryIsTheClassFolderUnlessGiven) {
    struct Case {
        bool sampleInstalled;
        const char* dataOption;  // nullptr: none
        const char* expected;    // "@": the class folder
    };
    const Case cases[] = {
        {true, nullptr, "@"},
        {false, nullptr, "@"},
        {true, "/media/cd", "/media/cd"},
    };
    for (const auto& c : cases) {
        test::TempDir root;
        const Installed installed(root, c.sampleInstalled);
        std::vector<std::string> args{"init", (root / "room").string(), "--programs", "--from",
                                      installed.dir.string()};
        if (c.dataOption) args.insert(args.end(), {"--data", c.dataOption});
        ASSERT_EQ(runWqadmin(args).status, 0);
        const std::string expected =
            std::string(c.expected) == "@" ? (root / "room").string() : c.expected;
        EXPECT_EQ(GlobalSettings::decode(root.read("room/GLOBSET.WQ")).dataDir(), expected)
            << c.sampleInstalled << " " << (c.dataOption ? c.dataOption : "");
    }
}

TEST(WqadminClassroom, RefusesAndWritesNothing) {
    struct Case {
        const char* what;
        std::function<void(const test::TempDir&, const Installed&)> prepare;
        std::vector<std::string> extra;  // arguments after DIR
        const char* message;
    };
    const Case cases[] = {
        {"a desktop entry in the way",
         [](const test::TempDir& root, const Installed&) { root.write("room/zan.desktop", "x"); },
         {"--programs"},
         "exists already"},
        {"a dangling link in the way",
         [](const test::TempDir& root, const Installed&) {
             fs::create_directories(root / "room");
             fs::create_symlink(root / "nowhere", root / "room/kiv");
         },
         {"--programs"},
         "exists already"},
        {"no program installed",
         [](const test::TempDir&, const Installed& i) { fs::remove(i.dir / "zan"); },
         {"--programs"},
         "holds no program zan"},
        {"a folder name no launcher starts",
         [](const test::TempDir&, const Installed&) {},
         {"--programs", "--data", "/media/cd"},
         "%"},
        {"--from without --programs", [](const test::TempDir&, const Installed&) {}, {}, ""},
    };
    for (const auto& c : cases) {
        test::TempDir root;
        const Installed installed(root);
        c.prepare(root, installed);
        const bool percent = std::string(c.message) == "%";
        const fs::path room = root / (percent ? "room 100%" : "room");
        std::vector<std::string> args{"init", room.string(), "--from", installed.dir.string()};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const auto r = runWqadmin(args);
        EXPECT_EQ(r.status, 1) << c.what;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.what << ": " << r.err;
        EXPECT_FALSE(fs::exists(room / "GLOBSET.WQ")) << c.what;
        EXPECT_FALSE(fs::exists(room / "kiv.desktop")) << c.what;
        EXPECT_FALSE(fs::exists(fs::symlink_status(room / "zan"))) << c.what;
    }
}

// The entries are started as a desktop starts them (GLib's launcher, as GNOME, Xfce and the
// file managers use it): the program runs as the link in the class folder, whatever characters
// the folder's name holds, so it takes that folder for its installation folder.
TEST(WqadminClassroom, DesktopEntriesStartTheProgramsAsTheClassFoldersLinks) {
    ASSERT_EQ(
        std::system("command -v gio >/dev/null && command -v desktop-file-validate >/dev/null"), 0)
        << "gio (libglib2.0-bin) and desktop-file-validate (desktop-file-utils) are needed";
    for (const char* name :
         {"class", "Class 4B", "a $HOME \"quoted\" `tick` it's", "\u00E9l\u00E8ves"}) {
        test::TempDir root;
        const Installed installed(root);
        const fs::path room = root / name;
        ASSERT_EQ(
            runWqadmin({"init", room.string(), "--programs", "--from", installed.dir.string()})
                .status,
            0)
            << name;
        for (const char* program : {"kiv", "zan"}) {
            const fs::path entry = room / (std::string(program) + ".desktop");
            const auto check = test::runCommand("desktop-file-validate " +
                                                test::shellQuote(entry.string()) + " 2>&1");
            EXPECT_EQ(check.status, 0) << name << ": " << check.out;
            EXPECT_EQ(check.out.find("error"), std::string::npos) << name << ": " << check.out;

            fs::remove(root / "started");
            const auto launch = test::runCommand(
                "env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS gio launch " +
                test::shellQuote(entry.string()) + " 2>&1");
            ASSERT_EQ(launch.status, 0) << name << ": " << launch.out;
            for (int i = 0; i < 100 && root.read("started").empty(); ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            EXPECT_EQ(root.read("started"), (room / program).string()) << name;
        }
    }
}

}  // namespace
}  // namespace kz
