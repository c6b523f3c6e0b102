#include "admin_common.h"

#include <cerrno>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <limits>
#include <set>

#include "command_failed.h"
#include "console_text.h"
#include "files/cp1252.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/shown_text.h"
#include "files/tracking_log.h"

namespace kz::admin {

std::string toFileText(std::string_view utf8, std::string_view refusal) {
    auto bytes = utf8ToCp1252(utf8);
    if (!bytes) throw CommandFailed(std::string(refusal));
    return *bytes;
}

namespace {

template <typename T>
T parseWhole(std::string_view text, std::string_view key) {
    T value{};
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        throw CommandFailed(std::string(key) + " must be a whole number from " +
                            std::to_string(std::numeric_limits<T>::min()) + " to " +
                            std::to_string(std::numeric_limits<T>::max()) + ", not \"" +
                            std::string(text) + "\".");
    }
    return value;
}

}  // namespace

int16_t parseInt16(std::string_view text, std::string_view key) {
    return parseWhole<int16_t>(text, key);
}

int32_t parseInt32(std::string_view text, std::string_view key) {
    return parseWhole<int32_t>(text, key);
}

std::map<std::string, std::string> parseAssignments(const std::vector<std::string>& args,
                                                    const std::vector<std::string>& allowed) {
    const std::set<std::string> keys(allowed.begin(), allowed.end());
    std::map<std::string, std::string> out;
    for (const auto& arg : args) {
        const auto eq = arg.find('=');
        if (eq == std::string::npos)
            throw CommandFailed("Expected KEY=VALUE, got \"" + arg + "\".");
        const std::string key = arg.substr(0, eq);
        if (!keys.count(key)) {
            std::string list;
            for (const auto& k : allowed) list += (list.empty() ? "" : ", ") + k;
            throw CommandFailed("Unknown key \"" + key + "\"; the keys are " + list + ".");
        }
        if (!out.emplace(key, arg.substr(eq + 1)).second) {
            throw CommandFailed("The key \"" + key + "\" is given twice.");
        }
    }
    if (out.empty()) throw CommandFailed("Give at least one KEY=VALUE.");
    return out;
}

std::string heldPath(std::string systemPath) {
    // A path typed here is a Linux path, where "\" is part of a name; the files the programs
    // share read it as a folder separator, so such a name would silently become other folders.
    if (systemPath.find('\\') != std::string::npos) {
        throw CommandFailed(
            "\"" + systemPath +
            "\" holds a backslash, which the programs read as a folder separator: give a path "
            "without one.");
    }
    return fromSystemPath(systemPath);
}

std::string terminalPath(std::string_view path) {
    const std::string shown = shownPath(path);
    return escapedControls(storablePath(path) ? cp1252ToUtf8(shown) : shown);
}

std::string forTerminal(std::string_view fileText) {
    return escapedControls(cp1252ToUtf8(withNewlines(fileText)));
}

std::string terminalText(std::string_view fileText) {
    return escapedControls(cp1252ToUtf8(fileText));
}

std::string sentence(std::string_view translated, std::initializer_list<std::string_view> args) {
    return fillIn(forTerminal(translated), args);
}

void failCouldNotWrite(std::string_view path) {
    throw CommandFailed(
        sentence(translate("kz::admin::Files", "Could not write %1."), {terminalPath(path)}));
}

void failWith(const FatalError& error) {
    throw CommandFailed(forTerminal(fatalMessage(error, {}).text));
}

std::string fieldText(std::string_view utf8, size_t width, std::string_view notStorable,
                      std::string_view tooLong) {
    std::string bytes = toFileText(utf8, notStorable);
    if (bytes.size() > width) throw CommandFailed(fillIn(tooLong, {std::to_string(width)}));
    return bytes;
}

std::string systemReason(const std::error_code& ec) {
    if (ec.category() != std::system_category() && ec.category() != std::generic_category()) {
        return ec.message();
    }
    // Each English text is the system's own for its reason: a reason without a translation in
    // the class's language (and every reason in English) keeps the system's text.
    const auto shown = [&ec](const char* english, const std::string& translated) {
        return translated == english ? ec.message() : sentence(translated);
    };
    switch (ec.value()) {
        case EACCES:
            return shown("Permission denied", translate("kz::admin::Files", "Permission denied"));
        case EPERM:
            return shown("Operation not permitted",
                         translate("kz::admin::Files", "Operation not permitted"));
        case EROFS:
            return shown("Read-only file system",
                         translate("kz::admin::Files", "Read-only file system"));
        case ENOSPC:
            return shown("No space left on device",
                         translate("kz::admin::Files", "No space left on device"));
        case EDQUOT:
            return shown("Disk quota exceeded",
                         translate("kz::admin::Files", "Disk quota exceeded"));
        case ENAMETOOLONG:
            return shown("File name too long", translate("kz::admin::Files", "File name too long"));
        case ENOTDIR:
            return shown("Not a directory", translate("kz::admin::Files", "Not a directory"));
        case EEXIST:
            return shown("File exists", translate("kz::admin::Files", "File exists"));
        case ENOENT:
            return shown("No such file or directory",
                         translate("kz::admin::Files", "No such file or directory"));
        default:
            return ec.message();
    }
}

std::string readLogText(const std::string& dir) {
    const auto bytes = readWholeFile(logPath(dir));
    if (!bytes || bytes->empty()) failWith({"file", logPath(dir)});
    const auto text = decodeLogText(*bytes);
    if (!text) {
        throw CommandFailed(sentence(translate("kz::admin::Log",
                                               "%1 is damaged: its length prefix says more "
                                               "than it holds."),
                                     {terminalPath(logPath(dir))}));
    }
    return *text;
}

Installation openInstallation(const std::string& dir) {
    const auto global = loadGlobalSettings(dir);
    if (!global) {
        throw CommandFailed(sentence(translate("kz::admin::Class",
                                               "%1 is not an installation: it holds no global "
                                               "settings file GLOBSET.WQ (wqadmin init makes "
                                               "one)."),
                                     {terminalPath(dir)}));
    }
    Installation inst{dir, global.value().dataDir()};
    if (inst.dataDir.empty()) inst.dataDir = dir;
    std::error_code ec;
    if (!std::filesystem::is_directory(resolvePath(inst.dataDir), ec)) {
        throw CommandFailed(sentence(
            translate("kz::admin::Class", "The data directory %1 that %2 names does not exist."),
            {terminalPath(inst.dataDir), terminalPath(globalSettingsPath(dir))}));
    }
    return inst;
}

Today today() {
    static constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mday, kMonths[local.tm_mon], local.tm_year + 1900};
}

std::string todayText() {
    const Today t = today();
    return std::to_string(t.day) + " " + t.month + " " + std::to_string(t.year);
}

}  // namespace kz::admin
