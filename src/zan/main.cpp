// Zan, the story reader.
#include "program.h"
#include "zan_program.h"

int main(int argc, char** argv) {
    kz::zan::ZanProgram program;
    return kz::ui::runProgram(
        argc, argv, kz::ui::zanProgram(),
        [&program](const kz::ui::ChildContext& context) { return program.makeChild(context); });
}
