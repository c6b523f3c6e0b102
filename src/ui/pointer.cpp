#include "pointer.h"

#include <QApplication>

namespace kz::ui {

BusyPointer::BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyPointer::~BusyPointer() { QApplication::restoreOverrideCursor(); }

NormalPointer::NormalPointer() {
    for (; QApplication::overrideCursor(); ++m_lifted) QApplication::restoreOverrideCursor();
}

NormalPointer::~NormalPointer() {
    while (m_lifted-- > 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

}  // namespace kz::ui
