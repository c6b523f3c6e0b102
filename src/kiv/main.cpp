// Kiv, the word activity.
#include "program.h"

int main(int argc, char** argv) { return kz::ui::runProgram(argc, argv, kz::ui::kivProgram()); }
