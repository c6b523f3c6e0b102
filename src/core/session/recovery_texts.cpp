#include "session/recovery_texts.h"

#include "files/paths.h"
#include "files/text.h"

namespace kz {
namespace {

const std::string kBreak(kNewLine);
const std::string kGap = kBreak + kBreak;
// Where a CD is on this system: a folder it is mounted on, not a drive letter.
const std::string kCdHint =
    "If you are using a CD, type the folder where it is mounted, for example /media/cdrom";

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
        const std::string cd = colour.empty() ? "a WQ CD" : "the WQ " + colour + " CD";
        const std::string heading =
            colour.empty() ? "No books could be found!" : "WQ " + colour + " CD not found!";
        return heading + kGap + "If you are running from CD, please insert " + cd +
               " now, then click on 'Try again'." + kGap +
               "If you have only recently inserted the CD, please wait a while before clicking "
               "on 'Try again', because your computer may take some time to recognise the new "
               "CD." +
               kGap + "If you are sure " + cd +
               " is in the drive (you must use the CD drive from which you installed it), or if "
               "you are not running from CD, please click on 'Details'.";
    }
    if (reason == "AGAIN") {
        return "SUCCESS!" + kGap +
               "The file was found at the new data directory which you gave, namely" + kGap +
               shownPath(dataDir) + kGap +
               "Do you want to save this change, and use this new directory PERMANENTLY as the "
               "data directory?" +
               kGap + "(If you answer \"No\", the change will apply for this session only.)";
    }
    return "Data files needed by this application cannot be found." + kGap +
           "If you are using a CD version, ensure that the correct CD is in the drive." + kGap +
           "Correct the problem and click on \"Try again\", or click on \"Details...\" for a "
           "full explanation.";
}

std::string recoveryDetails(std::string_view reason, std::string_view dataDir,
                            std::string_view appDir) {
    if (isStartupReason(reason)) {
        return "Various data files are missing." + kGap + "The expected location is" + kBreak +
               shownUpper(dataDir) + kGap +
               "One possibility is that network or CD drive letters have changed.  You can type "
               "a new location in the box below then click on \"Try again\".  " +
               kCdHint + kGap + "If this does not help, re-install the software.";
    }
    return "The file that cannot be found is" + kBreak + shownUpper(reason) + kGap +
           "The expected location is the data directory" + kBreak + shownUpper(dataDir) + kBreak +
           "or the installation directory" + kBreak + shownUpper(appDir) + kBreak +
           "(These may be the same.)" + kGap +
           "To try another location (for example if network or CD drive letters have been "
           "altered), type it in the box below then click on \"Try again\".  " +
           kCdHint;
}

}  // namespace kz
