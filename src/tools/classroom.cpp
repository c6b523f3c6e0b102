#include "classroom.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "command_failed.h"
#include "files/paths.h"

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
    {"kiv", "Kiv", "Word activity", "See, hear and type the words of a word list"},
    {"zan", "Zan", "Story reader", "Read an illustrated story, clicking and hearing its words"},
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
        throw CommandFailed("A desktop entry cannot start a program in " + text +
                            ": its name is not UTF-8 text, or holds a control character or %.");
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
    text += "Exec=" + execArgument(classroom / program.name) + "\n";
    if (!icon.empty()) text += "Icon=" + escaped(icon.native()) + "\n";
    text += "Terminal=false\nCategories=Education;Languages;\n";
    return text;
}

bool holdsHelp(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower.find("help") != std::string::npos;
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
            throw CommandFailed(installed.native() + " holds no program " + program.name +
                                ": give the folder of the installed programs with --from.");
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
        if (name[0] != '.' && holdsHelp(name)) help.push_back(entry.path());
    }
    std::sort(help.begin(), help.end());
    for (const auto& target : help) plan.links.push_back({classroom / target.filename(), target});
    return plan;
}

void makeClassroom(const Classroom& classroom) {
    for (const auto& l : classroom.links) {
        std::error_code ec;
        fs::create_symlink(l.target, l.link, ec);
        if (ec) {
            throw CommandFailed("Could not make the link " + l.link.native() + ": " + ec.message() +
                                ".");
        }
    }
    for (const auto& f : classroom.desktopEntries) {
        std::error_code ec;
        if (!writeFileAtomically(fromSystemPath(f.path.native()), f.bytes)) {
            throw CommandFailed("Could not write " + f.path.native() + ".");
        }
        const auto mode = fs::status(f.path, ec).permissions();
        // Executable for whoever may read it: desktops start only such launchers.
        const auto read =
            mode & (fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        fs::permissions(f.path, fs::perms(unsigned(read) >> 2), fs::perm_options::add, ec);
    }
}

}  // namespace kz::admin
