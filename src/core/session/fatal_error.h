#pragma once

#include <string>
#include <string_view>

#include "files/file_error.h"

namespace kz {

// A fault that ends the program: a file it cannot do without is missing or damaged (or the
// start-up finds no data). Its type selects the wording, its detail is normally the full path
// of the file concerned.
using FatalError = FileError;

// The message box a fatal error shows.
struct FatalMessage {
    std::string text;
    // Empty: the program's own caption.
    std::string caption;
};

// The wording of every fatal-error type; unknown types get a generic text naming the type.
// dataDir is used only by "badstart".
FatalMessage fatalMessage(const FatalError& error, std::string_view dataDir);

}  // namespace kz
