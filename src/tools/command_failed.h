#pragma once

#include <stdexcept>
#include <string>

namespace kz::admin {

// Ends a wqadmin command with its message on stderr and exit status 1.
class CommandFailed : public std::runtime_error {
public:
    explicit CommandFailed(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kz::admin
