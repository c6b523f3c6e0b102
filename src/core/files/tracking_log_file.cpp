// The log's read-modify-write on disk, serialised across processes.
#include "files/file_update.h"
#include "files/paths.h"
#include "files/tracking_log.h"

namespace kz {

std::string logPath(std::string_view appDir) { return joinPath(appDir, "LOG.WQ"); }

AppendOutcome appendToLog(std::string_view appDir, std::string_view entry,
                          std::string_view userName) {
    AppendOutcome outcome;
    // The log must exist, with at least its two-byte prefix, for anything to be written.
    outcome.written = updateFile(logPath(appDir), IfMissing::Fail,
                                 [&](std::string_view bytes) -> std::optional<std::string> {
                                     if (bytes.empty()) return std::nullopt;
                                     const auto text = decodeLogText(bytes);
                                     if (!text) return std::nullopt;
                                     outcome.warnTooLong = text->size() > kLogWarnLength;
                                     const std::string updated =
                                         insertLogEntry(*text, entry, userName);
                                     if (updated.size() > kLogTextLimit) return std::nullopt;
                                     return encodeLogFile(bytes, updated);
                                 });
    return outcome;
}

bool renameInLog(std::string_view appDir, std::string_view oldName, std::string_view newName) {
    const std::string path = logPath(appDir);
    if (fileLength(path).value_or(0) == 0) return true;
    bool unchanged = false;
    const bool written = updateFile(
        path, IfMissing::Fail, [&](std::string_view bytes) -> std::optional<std::string> {
            unchanged = false;
            const auto text = decodeLogText(bytes);
            if (!text) return std::nullopt;
            const std::string renamed = renameLogSection(*text, oldName, newName);
            if (renamed.size() > kLogTextLimit) return std::nullopt;
            unchanged = renamed == *text;  // no such section: nothing to write
            if (unchanged) return std::nullopt;
            return encodeLogFile(bytes, renamed);
        });
    return written || unchanged;
}

}  // namespace kz
