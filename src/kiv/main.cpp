// Kiv, the word activity.
#include "kiv_children.h"
#include "program.h"

int main(int argc, char** argv) {
    return kz::ui::runProgram(argc, argv, kz::ui::kivProgram(), kz::ui::makeKivChild);
}
