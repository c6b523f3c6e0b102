#include "window_style.h"

#include <QEvent>
#include <QFrame>
#include <QWidget>

namespace kz::ui {
namespace {

// A thin grey line round a window, drawn by a frame behind its controls. Not a style sheet: a
// window's style sheet reaches every dialog and message box opened over it and changes how they
// look (the password box over the sign-in would lose its own colours and password character).
class WindowBorder : public QFrame {
public:
    explicit WindowBorder(QWidget* window) : QFrame(window) {
        setObjectName("windowBorder");
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        QPalette p = palette();
        p.setColor(QPalette::WindowText, QColor(128, 128, 128));
        setPalette(p);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(window->rect());
        lower();
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
        }
        return QFrame::eventFilter(watched, event);
    }
};

}  // namespace

void setWindowColours(QWidget* window, QColor background, QColor text, bool framed) {
    window->setAutoFillBackground(true);
    QPalette p = window->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    window->setPalette(p);
    if (framed) new WindowBorder(window);
}

}  // namespace kz::ui
