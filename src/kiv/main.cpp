// Kiv, the word activity.
#include "kiv_children.h"
#include "kiv_ports.h"
#include "program.h"

int main(int argc, char** argv) {
    std::unique_ptr<kz::ui::KivPorts> ports;
    return kz::ui::runProgram(argc, argv, kz::ui::kivProgram(), [&ports](kz::ui::MainFrame& f) {
        ports = std::make_unique<kz::ui::KivPorts>(f);
        return kz::ui::makeKivChild(f, ports->ports());
    });
}
