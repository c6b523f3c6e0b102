#pragma once

namespace kz::ui {

// The busy pointer for the lifetime of a scope.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// The normal pointer for the lifetime of a scope (a question or a dialog wants it even while file
// work that shows the busy pointer is under way); the busy pointers lifted come back afterwards.
class NormalPointer {
public:
    NormalPointer();
    ~NormalPointer();
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;

private:
    int m_lifted = 0;
};

}  // namespace kz::ui
