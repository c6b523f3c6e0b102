#include "classroom.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "admin_common.h"
#include "command_failed.h"
#include "files/paths.h"
#include "files/shown_text.h"

namespace kz::admin {
namespace fs = std::filesystem;
namespace {

struct Program {
    const char* name;
    const char* title;
    const char* genericName;
    const char* comment;
};

constexpr std::array<Program, 2> kPrograms{{
    {"kiv", "Kiv - Words", "Word activity", "See, hear and type the words of a word list"},
    {"zan", "Zan - Phrases", "Story reader",
     "Read an illustrated story, clicking and hearing its words"},
}};

bool validUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80           ? 1
                         : (c >> 5) == 0x6  ? 2
                         : (c >> 4) == 0xE  ? 3
                         : (c >> 3) == 0x1E ? 4
                                            : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
        }
        i += n;
    }
    return true;
}

// A folder a desktop entry can name: UTF-8 text without control characters, which no escape of
// the format carries through every launcher, and without "%": GLib's launchers look for the
// program before they turn the "%%" the format asks for back into "%", and never find it.
void checkNameable(const fs::path& path) {
    const std::string& text = path.native();
    const bool control = std::any_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '%';
    });
    if (control || !validUtf8(text)) {
        throw CommandFailed(sentence(translate("kz::admin::Class",
                                               "A desktop entry cannot start a program in %1: its "
                                               "name is not UTF-8 text, or holds a control "
                                               "character or %."),
                                     {text}));
    }
}

// A value of the string type: a backslash is written as two.
std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') out += '\\';
        out += c;
    }
    return out;
}

// The program as the Exec key's one argument: in double quotes with ", `, $ and \ escaped, then
// escaped as every string value is.
std::string execArgument(const fs::path& program) {
    std::string quoted = "\"";
    for (char c : program.native()) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return escaped(quoted + "\"");
}

std::string desktopEntry(const Program& program, const fs::path& classroom, const fs::path& icon) {
    std::string folderName = classroom.filename().native();
    if (folderName.empty()) folderName = classroom.native();
    std::string text = "[Desktop Entry]\nType=Application\n";
    // The class folder in the name tells this entry from the menu's own, which starts the
    // installed folder: no sign-in, nothing logged.
    text += std::string("Name=") + program.title + " (" + escaped(folderName) + ")\n";
    text += std::string("GenericName=") + program.genericName + "\n";
    text += std::string("Comment=") + program.comment + "\n";
    // The link leads nowhere once the programs are removed: the entry then leaves the menus.
    text += "TryExec=" + escaped((classroom / program.name).native()) + "\n";
    text += "Exec=" + execArgument(classroom / program.name) + "\n";
    if (!icon.empty()) text += "Icon=" + escaped(icon.native()) + "\n";
    text += "Terminal=false\nCategories=Education;Languages;\n";
    return text;
}

// What the programs read from beside themselves: the help documents and their pictures, and the
// compiled translations (kiv_fr.qm, kzui_de.qm ...).
bool besideThePrograms(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower.find("help") != std::string::npos || lower.ends_with(".qm");
}

// The folders of a data directory, and the word-sound folder, which a class's own recordings
// need even where the installation has none.
constexpr std::array<const char*, 4> kDataFolders{"DATA", "BMPS", "WAVS", "WORDLIST"};
constexpr const char* kWordSoundFolder = "WAVS/WDS";

void addSampleLibrary(const fs::path& installed, const fs::path& classroom, Classroom& plan) {
    for (const char* top : kDataFolders) {
        plan.folders.push_back(classroom / top);
        std::error_code ec;
        if (!fs::is_directory(installed / top, ec)) continue;
        std::vector<fs::directory_entry> entries;
        for (fs::recursive_directory_iterator it(installed / top, ec), end; !ec && it != end;
             it.increment(ec)) {
            entries.push_back(*it);
        }
        std::sort(entries.begin(), entries.end());  // a folder before what it holds
        for (const auto& entry : entries) {
            const fs::path inClass = classroom / entry.path().lexically_relative(installed);
            if (entry.is_directory(ec)) {
                plan.folders.push_back(inClass);
            } else if (entry.is_regular_file(ec)) {
                plan.links.push_back({inClass, entry.path()});
            }
        }
    }
    plan.folders.push_back(classroom / kWordSoundFolder);
    std::stable_sort(plan.folders.begin(), plan.folders.end());
}

fs::file_type typeOf(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type();
}

// Whether what goes at path can be made: its folder is a real folder (not a teacher's file or
// link of the same name) and nothing is there yet.
bool canMake(const fs::path& path) {
    return typeOf(path.parent_path()) == fs::file_type::directory &&
           typeOf(path) == fs::file_type::not_found;
}

}  // namespace

fs::path wqadminFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) throw CommandFailed("The folder of wqadmin is unknown: give it with --from.");
    return self.parent_path();
}

Classroom planClassroom(const fs::path& installed, const fs::path& classroom) {
    checkNameable(classroom);
    checkNameable(installed);
    Classroom plan;
    for (const auto& program : kPrograms) {
        std::error_code ec;
        if (!fs::is_regular_file(installed / program.name, ec)) {
            throw CommandFailed(sentence(translate("kz::admin::Class",
                                                   "%1 holds no program %2: give the folder of "
                                                   "the installed programs with --from."),
                                         {installed.native(), program.name}));
        }
        plan.links.push_back({classroom / program.name, installed / program.name});
        const fs::path icon = installed / "icons" / (std::string(program.name) + ".svg");
        plan.desktopEntries.push_back(
            {classroom / (std::string(program.name) + ".desktop"),
             desktopEntry(program, classroom, fs::is_regular_file(icon, ec) ? icon : fs::path())});
    }
    std::vector<fs::path> help;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(installed, ec)) {
        const std::string name = entry.path().filename().native();
        if (name[0] != '.' && besideThePrograms(name)) help.push_back(entry.path());
    }
    std::sort(help.begin(), help.end());
    for (const auto& target : help) plan.links.push_back({classroom / target.filename(), target});
    addSampleLibrary(installed, classroom, plan);
    return plan;
}

ClassroomChanges makeClassroom(const Classroom& classroom) {
    ClassroomChanges made;
    for (const auto& folder : classroom.folders) {
        if (!canMake(folder)) continue;
        std::error_code ec;
        fs::create_directory(folder, ec);
        if (ec) {
            throw CommandFailed(
                sentence(translate("kz::admin::Class", "Could not make the folder %1: %2."),
                         {folder.native(), systemReason(ec)}));
        }
        ++made.folders;
    }
    for (const auto& l : classroom.links) {
        if (!canMake(l.link)) continue;
        std::error_code ec;
        fs::create_symlink(l.target, l.link, ec);
        if (ec) {
            throw CommandFailed(
                sentence(translate("kz::admin::Class", "Could not make the link %1: %2."),
                         {l.link.native(), systemReason(ec)}));
        }
        ++made.links;
    }
    for (const auto& f : classroom.desktopEntries) {
        if (!canMake(f.path)) continue;
        std::error_code ec;
        if (!writeFileAtomically(fromSystemPath(f.path.native()), f.bytes)) {
            throw CommandFailed(
                sentence(translate("kz::admin::Files", "Could not write %1."), {f.path.native()}));
        }
        const auto mode = fs::status(f.path, ec).permissions();
        // Executable for whoever may read it: desktops start only such launchers.
        const auto read =
            mode & (fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        fs::permissions(f.path, fs::perms(unsigned(read) >> 2), fs::perm_options::add, ec);
        ++made.entries;
    }
    return made;
}

int dropDanglingLinks(const fs::path& classroom, const fs::path& installed) {
    std::vector<fs::path> dangling;
    const auto look = [&](const fs::path& path) {
        std::error_code ec;
        if (typeOf(path) != fs::file_type::symlink || fs::exists(path, ec)) return;
        fs::path target = fs::read_symlink(path, ec);
        if (ec) return;
        target = (path.parent_path() / target).lexically_normal();
        const auto rest = target.lexically_relative(installed);
        if (!rest.empty() && *rest.begin() != "..") dangling.push_back(path);
    };
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(classroom, ec)) look(entry.path());
    for (const char* top : kDataFolders) {
        if (typeOf(classroom / top) != fs::file_type::directory) continue;
        for (fs::recursive_directory_iterator it(classroom / top, ec), end; !ec && it != end;
             it.increment(ec)) {
            look(it->path());
        }
    }
    for (const auto& path : dangling) fs::remove(path, ec);
    return static_cast<int>(dangling.size());
}

}  // namespace kz::admin
