#include "session/fatal_error.h"

#include "files/paths.h"
#include "files/shown_text.h"

namespace kz {

FatalMessage fatalMessage(const FatalError& error, std::string_view dataDir) {
    // The detail is normally a joined path, and the data directory one too: shown with "/".
    const std::string d = shownPath(error.detail);
    if (error.type == "settingload") {
        return {fillIn(translate("kz::FatalError",
                                 "Fatal error.\n\nThe settings file is missing, corrupt or "
                                 "unavailable:\n\n%1\n\nIf necessary, re-install the "
                                 "software."),
                       {d}),
                {}};
    }
    if (error.type == "file") {
        return {fillIn(translate("kz::FatalError",
                                 "Fatal error.\n\nThis file is missing or unavailable:\n\n"
                                 "%1\n\nIf necessary, re-install the software."),
                       {d}),
                {}};
    }
    if (error.type == "badfile") {
        return {fillIn(translate("kz::FatalError",
                                 "Fatal error.\n\nThis data file is corrupt (bad header "
                                 "information):\n\n%1\n\nDelete it, and then if necessary "
                                 "re-install the software."),
                       {d}),
                {}};
    }
    if (error.type == "badframe") {
        return {fillIn(translate("kz::FatalError",
                                 "Fatal error.\n\nThis data file is corrupt (bad frame "
                                 "header):\n\n%1\n\nDelete it, and then if necessary "
                                 "re-install the software."),
                       {d}),
                {}};
    }
    if (error.type == "badstart") {
        return {fillIn(translate("kz::FatalError",
                                 "Fatal error.  Unable to open a suitable story.\n\nPlease "
                                 "ensure that the directory\n%1/DATA\ncontains a data file for "
                                 "one of the red or yellow level stories as its first entry.  A "
                                 "likely file would be 25SAMPLE.DAT\n\nThis software will now "
                                 "quit."),
                       {shownPath(dataDir)}),
                translate("kz::FatalError", "Unable to start")};
    }
    return {fillIn(translate("kz::FatalError", "Fatal error.\n\nError type: %1\n\n%2"),
                   {error.type, d}),
            {}};
}

}  // namespace kz
