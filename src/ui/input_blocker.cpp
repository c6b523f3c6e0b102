#include "input_blocker.h"

#include <QApplication>
#include <QEvent>

namespace kz::ui {
namespace {

class SwallowInput : public QObject {
public:
    int depth = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::ContextMenu:
            case QEvent::Close:
                event->ignore();
                return true;
            default:
                return QObject::eventFilter(watched, event);
        }
    }
};

SwallowInput& filter() {
    static SwallowInput* f = new SwallowInput;  // lives as long as the application
    return *f;
}

}  // namespace

InputBlocker::InputBlocker() {
    if (filter().depth++ == 0 && qApp) qApp->installEventFilter(&filter());
}

InputBlocker::~InputBlocker() {
    if (--filter().depth == 0 && qApp) qApp->removeEventFilter(&filter());
}

}  // namespace kz::ui
