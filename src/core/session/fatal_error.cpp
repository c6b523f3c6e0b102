#include "session/fatal_error.h"

#include "files/paths.h"
#include "files/text.h"

namespace kz {
namespace {

std::string joinLines(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (auto part : parts) out += part;
    return out;
}

}  // namespace

FatalMessage fatalMessage(const FatalError& error, std::string_view dataDir) {
    const std::string_view n = kNewLine;
    // The detail is normally a joined path, and the data directory one too: shown with "/".
    const std::string shownDetail = shownPath(error.detail);
    const std::string_view d = shownDetail;
    const std::string_view reinstall = "If necessary, re-install the software.";
    const std::string_view deleteIt = "Delete it, and then if necessary re-install the software.";
    if (error.type == "settingload") {
        return {joinLines({"Fatal error.", n, n,
                           "The settings file is missing, corrupt or unavailable:", n, n, d, n, n,
                           reinstall}),
                {}};
    }
    if (error.type == "file") {
        return {joinLines({"Fatal error.", n, n, "This file is missing or unavailable:", n, n, d, n,
                           n, reinstall}),
                {}};
    }
    if (error.type == "badfile") {
        return {joinLines({"Fatal error.", n, n,
                           "This data file is corrupt (bad header information):", n, n, d, n, n,
                           deleteIt}),
                {}};
    }
    if (error.type == "badframe") {
        return {joinLines({"Fatal error.", n, n, "This data file is corrupt (bad frame header):", n,
                           n, d, n, n, deleteIt}),
                {}};
    }
    if (error.type == "badstart") {
        return {joinLines({"Fatal error.  Unable to open a suitable story.", n, n,
                           "Please ensure that the directory", n, shownPath(dataDir), "/DATA", n,
                           "contains a data file for one of the red or yellow level stories as its "
                           "first entry.  A likely file would be 25SAMPLE.DAT",
                           n, n, "This software will now quit."}),
                "Unable to start"};
    }
    return {joinLines({"Fatal error.", n, n, "Error type: ", error.type, n, n, d}), {}};
}

}  // namespace kz
