#pragma once

#include <functional>

#include "main_frame.h"

namespace kz::ui {

// The whole run of Kiv or Zan: the start-up window with the directories and global settings,
// about a second later the main window, then events until File > Exit.
int runProgram(int argc, char** argv, const ProgramInfo& info,
               std::function<QWidget*(const ChildContext&)> makeChild = {});

}  // namespace kz::ui
