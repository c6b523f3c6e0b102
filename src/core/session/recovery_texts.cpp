#include "session/recovery_texts.h"

#include "files/paths.h"
#include "files/shown_text.h"
#include "files/text.h"

namespace kz {
namespace {

// A place named in the texts: upper case, as typed directories are, and shown with "/".
std::string shownUpper(std::string_view path) { return shownPath(toUpperCp1252(path)); }

// "RED", "YELLOW", "BLUE", "GREEN" for the coloured-CD reasons; empty otherwise.
std::string_view cdColour(std::string_view reason) {
    for (std::string_view colour : {"RED", "YELLOW", "BLUE", "GREEN"}) {
        if (reason.size() == 7 + colour.size() && reason.substr(0, 7) == "STARTUP" &&
            reason.substr(7) == colour) {
            return colour;
        }
    }
    return {};
}

}  // namespace

bool isStartupReason(std::string_view reason) {
    return reason == "STARTUP" || !cdColour(reason).empty();
}

std::string recoveryInstructions(std::string_view reason, std::string_view dataDir) {
    if (isStartupReason(reason)) {
        const std::string colour(cdColour(reason));
        if (colour.empty()) {
            return translate(
                "kz::Recovery",
                "No books could be found!\n\nIf you are running from CD, please insert a WQ CD "
                "now, then click on 'Try again'.\n\nIf you have only recently inserted the CD, "
                "please wait a while before clicking on 'Try again', because your computer may "
                "take some time to recognise the new CD.\n\nIf you are sure a WQ CD is in the "
                "drive (you must use the CD drive from which you installed it), or if you are not "
                "running from CD, please click on 'Details'.");
        }
        // The colour stays as the CD's label names it.
        return fillIn(
            translate(
                "kz::Recovery",
                "WQ %1 CD not found!\n\nIf you are running from CD, please insert the WQ "
                "%1 CD now, then click on 'Try again'.\n\nIf you have only recently "
                "inserted the CD, please wait a while before clicking on 'Try again', "
                "because your computer may take some time to recognise the new CD.\n\n"
                "If you are sure the WQ %1 CD is in the drive (you must use the CD drive from "
                "which you installed it), or if you are not running from CD, please click "
                "on 'Details'."),
            {colour});
    }
    if (reason == "AGAIN") {
        return fillIn(
            translate("kz::Recovery",
                      "SUCCESS!\n\nThe file was found at the new data directory which you "
                      "gave, namely\n\n%1\n\nDo you want to save this change, and use this "
                      "new directory PERMANENTLY as the data directory?\n\n(If you answer "
                      "\"No\", the change will apply for this session only.)"),
            {shownPath(dataDir)});
    }
    return translate("kz::Recovery",
                     "Data files needed by this application cannot be found.\n\nIf you are "
                     "using a CD version, ensure that the correct CD is in the drive.\n\n"
                     "Correct the problem and click on \"Try again\", or click on \"Details...\" "
                     "for a full explanation.");
}

std::string recoveryDetails(std::string_view reason, std::string_view dataDir,
                            std::string_view appDir) {
    if (isStartupReason(reason)) {
        return fillIn(
            translate("kz::Recovery",
                      "Various data files are missing.\n\nThe expected location is\n%1\n\n"
                      "One possibility is that network or CD drive letters have changed.  You can "
                      "type a new location in the box below then click on \"Try again\".  If you "
                      "are using a CD, type the folder where it is mounted, for example "
                      "/media/cdrom\n\nIf this does not help, re-install the software."),
            {shownUpper(dataDir)});
    }
    return fillIn(
        translate("kz::Recovery",
                  "The file that cannot be found is\n%1\n\nThe expected location is the data "
                  "directory\n%2\nor the installation directory\n%3\n(These may be the "
                  "same.)\n\nTo try another location (for example if network or CD drive "
                  "letters have been altered), type it in the box below then click on \"Try "
                  "again\".  If you are using a CD, type the folder where it is mounted, for "
                  "example /media/cdrom"),
        {shownUpper(reason), shownUpper(dataDir), shownUpper(appDir)});
}

std::string unstorableFolderMessage() {
    return translate("kz::Recovery",
                     "This folder name has letters that cannot be stored in the settings file. "
                     "Please use a folder whose name has only Western European letters.");
}

}  // namespace kz
