#pragma once

#include <QSize>

class QWidget;

namespace kz::zan {

// The 4:3 rule of the child windows' resize: when the main window is in its normal state and its
// outer size breaks the rule, it is resized (keeping its top left corner) and true is returned;
// the resize that follows comes back here. asked remembers the size asked for, so a window
// manager that grants another size is taken at its word rather than asked again.
bool reshapeMainWindow(QWidget* mainWindow, QSize& asked);

}  // namespace kz::zan
