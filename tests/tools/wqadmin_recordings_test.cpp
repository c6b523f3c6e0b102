// wqadmin recordings, run as the teacher runs it, on an installation whose data directory is a
// folder of its own; the recordings it makes are read back by the players' own wave decoder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "temp_dir.h"
#include "tree_snapshot.h"
#include "wave_decoder.h"
#include "wqadmin_runner.h"

namespace kz {
namespace {

namespace fs = std::filesystem;

bool speechProgramFound() { return std::system("espeak-ng --version >/dev/null 2>&1") == 0; }

using test::snapshot;

std::set<std::string> filesIn(const fs::path& folder) {
    std::set<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.insert(it->path().filename().string());
    return names;
}

class WqadminRecordings : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(test::runWqadmin({"init", app()}).status, 0);
        ASSERT_EQ(test::runWqadmin({"globals", app(), "set", "dataDir=" + data()}).status, 0);
        fs::create_directories(m_root / "data" / "WORDLIST");
    }

    std::string app() const { return (m_root / "app").string(); }
    std::string data() const { return (m_root / "data").string(); }
    void write(const std::string& name, std::string_view bytes) const { m_root.write(name, bytes); }
    std::string read(const std::string& name) const { return m_root.read(name); }

    test::TempDir m_root;
};

TEST_F(WqadminRecordings, ReportsWhereTheProgramsFindEachWordsRecording) {
    // CAT in both directories: the installation directory's copy is the one played. pig's
    // folders are in lower case on disk, as data copied from a CD may be.
    write("app/WAVS/WDS/CAT.WAV", "app cat");
    write("data/WAVS/WDS/CAT.WAV", "data cat");
    write("data/WAVS/WDS/DOG.WAV", "data dog");
    write("data/WAVS/WDS/pig.wav", "data pig");
    write("data/WORDLIST/0033TO40.TXT",
          "*WORDLIST*\r\n* "
          "farm\r\ncat,dog,pig,elephants,hen\r\nDog\r\nno,don't\r\nelephanst\r\n*END*\r\n"
          "owl\r\n");
    const auto run = test::runWqadmin({"recordings", app(), "0033TO40.TXT"});
    EXPECT_EQ(run.status, 1);
    for (const char* line : {
             "Loaded 7 words; the activity's title: \"Books 33 to 40\"\n",
             "  cat          CAT.WAV       installation directory\n",
             "  dog          DOG.WAV       data directory\n",
             "  pig          PIG.WAV       data directory\n",
             "  elephants    ELEPHA76.WAV  MISSING\n",
             "  hen          HEN.WAV       MISSING\n",
             "  \"* farm\": starts with \"*\" (a comment)\n",
             "  \"no\": shorter than 3 letters\n",
             "  \"don't\": not only the letters A to Z\n",
             "  dog: 2 times\n",
             // The same first six letters and the same letter sum: one file for both words.
             "Warning: these words share the recording ELEPHA76.WAV, so all are said as one of "
             "them: elephants elephanst\n",
             "\n3 of 6 words have no recording: elephants, hen, elephanst.\n",
         }) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n--- in ---\n" << run.out;
    }
    EXPECT_EQ(run.out.find("owl"), std::string::npos) << "read past *END*";
    EXPECT_EQ(run.out.find("Warning: The"), std::string::npos) << run.out;

    write("data/WAVS/WDS/ELEPHA76.WAV", "x");
    write("app/WAVS/WDS/HEN.WAV", "x");
    const auto heard = test::runWqadmin({"recordings", app(), data() + "/WORDLIST/0033TO40.TXT"});
    EXPECT_EQ(heard.status, 0) << heard.out;
    EXPECT_NE(heard.out.find("\n0 of 6 words have no recording.\n"), std::string::npos);
}

TEST_F(WqadminRecordings, WarnsOfListsTheActivityNeverOffers) {
    const std::string words = "*WORDLIST*\r\ncat,dog,pig,hen\r\n";
    for (const char* stem : {"CAT", "DOG", "PIG", "HEN"})
        write(std::string("data/WAVS/WDS/") + stem + ".WAV", "x");
    write("data/WORDLIST/ANIMALS.TXT", words);
    write("data/WORDLIST/0071to71.txt", words);  // takes the first name that would be suggested
    write("0033TO40.TXT", words);                // outside the WORDLIST folder
    write("data/WORDLIST/FARM.LST", words);      // not a .TXT file
    const struct {
        std::string list;
        std::string warning;
    } cases[] = {
        {"ANIMALS.TXT",
         "Warning: The name \"ANIMALS\" has no title, so neither the chooser nor the settings "
         "window ever offers this list."},
        {"ANIMALS.TXT", "rename it, for instance, to 0072TO72.TXT (shown as \"Books 72 to 72\")"},
        {(m_root / "0033TO40.TXT").string(),
         "Warning: The list is not a .TXT file in the data directory's WORDLIST folder"},
        {data() + "/WORDLIST/FARM.LST",
         "Warning: The list is not a .TXT file in the data directory's WORDLIST folder"},
    };
    for (const auto& c : cases) {
        const auto run = test::runWqadmin({"recordings", app(), c.list});
        EXPECT_EQ(run.status, 1) << c.list;
        EXPECT_NE(run.out.find(c.warning), std::string::npos) << c.warning << "\n" << run.out;
        EXPECT_NE(run.out.find("0 of 4 words have no recording."), std::string::npos);
    }
    // A list the loader refuses gets the activity's own message.
    write("data/WORDLIST/0001TO08.TXT", "*WORDLIST*\r\ncat,dog,pig\r\n");
    const auto few = test::runWqadmin({"recordings", app(), "0001TO08.TXT"});
    EXPECT_EQ(few.status, 1);
    EXPECT_NE(few.out.find("The file\n\n" + data() +
                           "/WORDLIST/0001TO08.TXT\n\ndoes not contain "
                           "enough words.\n"),
              std::string::npos)
        << few.out;
}

// The loudest sample of a stretch of a clip, from..to seconds.
float loudestBetween(const Clip& clip, double from, double to) {
    float loudest = 0;
    const auto frame = [](double seconds) { return size_t(seconds * kMixRate); };
    for (size_t i = frame(from) * kMixChannels;
         i < std::min(frame(to) * kMixChannels, clip.samples.size()); ++i)
        loudest = std::max(loudest, std::abs(clip.samples[i]));
    return loudest;
}

// The first 20 ms of a made recording already carry the word, and its last 20 ms still do (the
// word's fading tail): the silence espeak-ng writes around it is gone.
void expectPlayableAtOnce(const fs::path& file) {
    const auto clip = decodeWave(file.string());
    ASSERT_TRUE(clip) << file;
    const double seconds = double(clip->frames()) / kMixRate;
    EXPECT_GT(seconds, 0.2) << file;
    EXPECT_GT(loudestBetween(*clip, 0, 0.02), 0.005f) << file;
    EXPECT_GT(loudestBetween(*clip, seconds - 0.2, seconds), 0.0005f) << file;
}

TEST_F(WqadminRecordings, MakesExactlyTheMissingRecordingsAndTouchesNoOther) {
    if (!speechProgramFound()) GTEST_SKIP() << "espeak-ng is not installed";
    write("app/WAVS/WDS/CAT.WAV", "app cat");
    write("data/WAVS/WDS/DOG.WAV", "data dog");
    write("data/WORDLIST/0033TO40.TXT", "*WORDLIST*\r\ncat,dog,elephants,Hen,hen,frog\r\n");
    const fs::path wds = m_root / "data" / "WAVS" / "WDS";

    const auto run = test::runWqadmin({"recordings", app(), "0033TO40.TXT", "--make"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(filesIn(wds),
              (std::set<std::string>{"DOG.WAV", "ELEPHA76.WAV", "HEN.WAV", "FROG.WAV"}));
    EXPECT_EQ(filesIn(m_root / "app" / "WAVS" / "WDS"), std::set<std::string>{"CAT.WAV"});
    EXPECT_EQ(read("app/WAVS/WDS/CAT.WAV"), "app cat");
    EXPECT_EQ(read("data/WAVS/WDS/DOG.WAV"), "data dog");
    for (const char* made : {"ELEPHA76.WAV", "HEN.WAV", "FROG.WAV"}) {
        expectPlayableAtOnce(wds / made);
        EXPECT_NE(run.out.find("made  " + (wds / made).string()), std::string::npos) << run.out;
    }
    EXPECT_NE(run.out.find("Made 3, left 2.\n"), std::string::npos) << run.out;

    std::map<std::string, std::string> madeBefore;
    for (const char* name : {"DOG.WAV", "HEN.WAV", "FROG.WAV", "ELEPHA76.WAV"})
        madeBefore[name] = read("data/WAVS/WDS/" + std::string(name));

    // Again: everything is there, nothing is made or touched.
    const auto before = snapshot(m_root.path());
    const auto again = test::runWqadmin({"recordings", app(), "0033TO40.TXT", "--make"});
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.out.find("Made 0, left 5.\n"), std::string::npos) << again.out;
    EXPECT_EQ(snapshot(m_root.path()), before);

    // --force remakes the data directory's recordings, in the voice asked for; the installation
    // directory is never written.
    const auto forced = test::runWqadmin({"recordings", app(), "0033TO40.TXT", "--make", "--force",
                                          "--voice", "de", "--speed", "140"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(read("app/WAVS/WDS/CAT.WAV"), "app cat");
    for (const char* name : {"DOG.WAV", "HEN.WAV", "FROG.WAV", "ELEPHA76.WAV"}) {
        EXPECT_NE(read("data/WAVS/WDS/" + std::string(name)), madeBefore.at(name)) << name;
        expectPlayableAtOnce(wds / name);
    }
}

// A French class hears its words in French without asking: the class's LANGUAGE.TXT picks the
// voice, a --voice given still wins, and each accented word gets a recording of its own, named
// with its accents (UTF-8 on disk), where the programs look for it.
TEST_F(WqadminRecordings, AccentedWordsInTheClasssVoice) {
    if (!speechProgramFound()) GTEST_SKIP() << "espeak-ng is not installed";
    write("app/LANGUAGE.TXT", "fr\r\n");
    write("data/WORDLIST/0033TO40.TXT", "*WORDLIST ACCENTS*\r\n\xE9t\xE9,caf\xE9,cafe,ni\xF1o\r\n");
    const fs::path wds = m_root / "data" / "WAVS" / "WDS";
    const auto run = test::runWqadmin({"recordings", app(), "0033TO40.TXT", "--make"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(filesIn(wds), (std::set<std::string>{"\xC3\x89T\xC3\x89.WAV", "CAF\xC3\x89.WAV",
                                                   "CAFE.WAV", "NI\xC3\x91O.WAV"}));
    EXPECT_NE(run.out.find("(\xC3\xA9t\xC3\xA9)"), std::string::npos) << run.out;
    const std::string classVoice = read("data/WAVS/WDS/\xC3\x89T\xC3\x89.WAV");

    for (const auto& [voice, same] :
         {std::pair<std::string, bool>{"fr", true}, std::pair<std::string, bool>{"en-gb", false}}) {
        const auto forced = test::runWqadmin(
            {"recordings", app(), "0033TO40.TXT", "--make", "--force", "--voice", voice});
        EXPECT_EQ(forced.status, 0) << forced.err;
        EXPECT_EQ(read("data/WAVS/WDS/\xC3\x89T\xC3\x89.WAV") == classVoice, same) << voice;
    }
}

// The list writer writes the accented marker only when a word needs it; the words are given in
// UTF-8 and stored in Windows-1252.
TEST_F(WqadminRecordings, WordlistWritesTheMarkerTheWordsNeed) {
    const std::string plain = (m_root / "data" / "WORDLIST" / "PLAIN.TXT").string();
    auto run = test::runWqadmin({"wordlist", plain, "--write", "cat", "dog", "pig", "hen"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(read("data/WORDLIST/PLAIN.TXT"),
              "*WORDLIST*\r\ncat\r\ndog\r\npig\r\nhen\r\n*END*\r\n");
    const std::string accented = (m_root / "data" / "WORDLIST" / "ETE.TXT").string();
    run = test::runWqadmin(
        {"wordlist", accented, "--write", "\xC3\xA9t\xC3\xA9", "chat", "lit", "s\xC5\x93ur"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "\xC3\xA9t\xC3\xA9\nchat\nlit\ns\xC5\x93ur\n");
    EXPECT_EQ(read("data/WORDLIST/ETE.TXT"),
              "*WORDLIST ACCENTS*\r\n\xE9t\xE9\r\nchat\r\nlit\r\ns\x9Cur\r\n*END*\r\n");
    const std::string bad = (m_root / "data" / "WORDLIST" / "BAD.TXT").string();
    for (const std::vector<std::string>& words : {std::vector<std::string>{"cat", "dog", "pig"},
                                                  {"cat", "dog", "pig", "don't"},
                                                  {"cat", "dog", "pig", "Cat"}}) {
        std::vector<std::string> args = {"wordlist", bad, "--write"};
        args.insert(args.end(), words.begin(), words.end());
        EXPECT_EQ(test::runWqadmin(args).status, 1);
        EXPECT_FALSE(fs::exists(bad));
    }
}

TEST_F(WqadminRecordings, MakesTheWordSoundFolderWhereTheProgramsLook) {
    if (!speechProgramFound()) GTEST_SKIP() << "espeak-ng is not installed";
    write("data/WORDLIST/0001TO08.TXT", "*WORDLIST*\r\nsun,hat,map,cup\r\n");
    const struct {
        std::string existing;  // folder already in the data directory, or none
        std::string folder;    // where the recordings must go
    } cases[] = {{"", "WAVS/WDS"}, {"wavs/wds", "wavs/wds"}, {"Wavs", "Wavs/WDS"}};
    for (const auto& c : cases) {
        fs::remove_all(m_root / "data" / "WAVS");
        fs::remove_all(m_root / "data" / "wavs");
        fs::remove_all(m_root / "data" / "Wavs");
        if (!c.existing.empty()) fs::create_directories(m_root / "data" / c.existing);
        const auto run = test::runWqadmin({"recordings", app(), "0001TO08.TXT", "--make"});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(filesIn(m_root / "data" / c.folder),
                  (std::set<std::string>{"SUN.WAV", "HAT.WAV", "MAP.WAV", "CUP.WAV"}))
            << c.folder;
    }
}

TEST_F(WqadminRecordings, FailsWithAMessageAndWritesNothing) {
    write("data/WORDLIST/0033TO40.TXT", "*WORDLIST*\r\ncat,dog,pig,hen\r\n");
    write("away/GLOBSET.WQ", "");  // an empty settings file counts as none
    const std::string gone = (m_root / "gone").string();
    write("moved/GLOBSET.WQ", read("app/GLOBSET.WQ"));
    ASSERT_EQ(
        test::runWqadmin({"globals", (m_root / "moved").string(), "set", "dataDir=" + gone}).status,
        0);
    const std::string list = data() + "/WORDLIST/0033TO40.TXT";
    const struct {
        std::vector<std::string> args;
        std::string path;  // PATH for wqadmin; empty: the test's own
        std::string message;
    } cases[] = {
        {{"recordings", (m_root / "nowhere").string(), list}, "", "is not an installation"},
        {{"recordings", (m_root / "away").string(), list, "--make"}, "", "is not an installation"},
        {{"recordings", (m_root / "moved").string(), list, "--make"},
         "",
         "The data directory " + gone + " that "},
        {{"recordings", app(), list, "--make"},
         (m_root / "no-programs-here").string(),
         "espeak-ng is not installed, so no recording was made. Install the Debian package "
         "espeak-ng"},
        {{"recordings", app(), list, "--make", "--voice", "nosuchvoice"},
         "",
         "espeak-ng could not say \"cat\" with the voice \"nosuchvoice\""},
    };
    for (const auto& c : cases) {
        if (c.message.find("could not say") != std::string::npos && !speechProgramFound()) continue;
        const auto before = snapshot(m_root.path());
        const auto run = test::runWqadmin(c.args, c.path);
        EXPECT_EQ(run.status, 1) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.message << "\n" << run.err;
        EXPECT_EQ(snapshot(m_root.path()), before) << c.message;
    }
}

// wqadmin wordlist-save writes what the loader reads and the chooser titles, or nothing.
TEST_F(WqadminRecordings, WordlistSaveWritesAListTheActivityOffersOrNothing) {
    const auto saved = test::runWqadmin(
        {"wordlist-save", app(), "99LIST01", "--title", "Farm", "cow", "hen", "goat", "Sheep"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(read("data/WORDLIST/99LIST01.TXT"),
              "*WORDLIST*\r\ncow\r\nhen\r\ngoat\r\nSheep\r\n*END*\r\n");
    EXPECT_EQ(read("data/DATA/TITLES.TXT"), "99list01\tFarm\t\t\r\n");
    const auto report = test::runWqadmin({"recordings", app(), "99LIST01.TXT"});
    EXPECT_NE(report.out.find("the activity's title: \"Farm\""), std::string::npos) << report.out;

    // A word with an accented letter makes an accented list; the same words without one keep the
    // plain marker above.
    const auto accented = test::runWqadmin({"wordlist-save", app(), "99LIST03", "--title",
                                            "Caf\u00e9", "caf\u00e9", "th\u00e9", "lait", "pain"});
    ASSERT_EQ(accented.status, 0) << accented.err;
    EXPECT_EQ(read("data/WORDLIST/99LIST03.TXT"),
              "*WORDLIST ACCENTS*\r\ncaf\xE9\r\nth\xE9\r\nlait\r\npain\r\n*END*\r\n");
    fs::remove(m_root.path() / "data/WORDLIST/99LIST03.TXT");

    const auto before = snapshot(m_root.path());
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{"99LIST02", "--title", "Farm", "cow", "hen", "goat"}, "at least 4 words"},
        {{"99LIST02", "--title", "Farm", "cow", "hen", "goat", "Cow"},
         "\"Cow\" is in the list twice"},
        {{"99LIST02", "--title", "Farm", "cow", "hen", "ox", "pig"}, "\"ox\": shorter than 3"},
        {{"99LIST02", "--title", "Farm", "cow", "hen", "don't", "pig"},
         "not only the letters A to Z and the accented letters"},
        {{"99LIST02", "--title", "Farm", "cow", "hen", "\u00e9t\u00e9", "\u00c9T\u00c9", "pig"},
         "is in the list twice"},
        {{"99LIST02", "--title", "Farm", "cow", "hen", "\u0109at", "pig"}, "cannot store"},
        {{"99LIST02", "cow", "hen", "goat", "pig"}, "needs a title"},
        {{"99LIST02", "--title", std::string(41, 'a'), "cow", "hen", "goat", "pig"},
         "longer than 40"},
        {{"99LIST02", "--title", "a\tb", "cow", "hen", "goat", "pig"}, "tab or line break"},
        {{"FARM", "--title", "Farm", "cow", "hen", "goat", "pig"}, "not one the chooser offers"},
    };
    for (const auto& [args, message] : refused) {
        std::vector<std::string> all = {"wordlist-save", app()};
        all.insert(all.end(), args.begin(), args.end());
        const auto run = test::runWqadmin(all);
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Nothing was written."), std::string::npos) << run.err;
    }
    EXPECT_EQ(snapshot(m_root.path()), before);
}

}  // namespace
}  // namespace kz
