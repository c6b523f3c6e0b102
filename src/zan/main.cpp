// Zan, the story reader.
#include "program.h"

int main(int argc, char** argv) { return kz::ui::runProgram(argc, argv, kz::ui::zanProgram()); }
