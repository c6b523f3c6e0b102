#pragma once

#include <string>
#include <string_view>

namespace kz {

// The words of the data-location recovery dialog for a reason: "STARTUP", "STARTUP" + a CD
// colour, "AGAIN" (the success question), or the name of a file that was not found.
std::string recoveryInstructions(std::string_view reason, std::string_view dataDir);

// What "Details..." shows instead, for the same reason.
std::string recoveryDetails(std::string_view reason, std::string_view dataDir,
                            std::string_view appDir);

// Shown when a typed directory has letters Windows-1252 cannot hold: the settings file could
// not store it.
std::string unstorableFolderMessage();

// Whether the reason is one of the start-up forms (no story data, or one coloured CD missing).
bool isStartupReason(std::string_view reason);

// The signal the dialog leaves on the clipboard while it is open.
inline constexpr std::string_view kRecoveryClipboardSignal = "VM_WQ_GETCD";

}  // namespace kz
