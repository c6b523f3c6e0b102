#include "desk_window.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>

#include "children_page.h"
#include "class_settings_page.h"
#include "desk_class.h"
#include "files/paths.h"
#include "help_window.h"
#include "progress_page.h"
#include "session/class_language.h"
#include "stories_page.h"
#include "word_lists_page.h"

namespace kz::desk {

DeskWindow::DeskWindow(DeskClass& deskClass, QWidget* parent)
    : QMainWindow(parent), m_class(deskClass), m_pages(new QTabWidget(this)) {
    setWindowTitle(tr("Teacher's Desk") + " - " + m_class.shownFolder());
    setObjectName("TeachersDesk");
    m_pages->setAccessibleName(tr("Pages"));
    m_pages->setDocumentMode(true);
    setCentralWidget(m_pages);

    auto* file = menuBar()->addMenu(tr("&File"));
    auto* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);

    // The desk's help document lies beside the program, as the other programs' do, in the
    // language of the class it works on (as its windows are).
    auto* help = menuBar()->addMenu(tr("&Help"));
    auto* contents = help->addAction(tr("&Contents"), this, [this] {
        auto* window = findChild<ui::HelpWindow*>();
        if (!window) {
            const std::string folder =
                fromSystemPath(QCoreApplication::applicationDirPath().toStdString());
            window = new ui::HelpWindow(
                tr("Teacher's Desk Help"),
                ui::helpDocumentPath(folder, "desk-help.html", chosenLanguage(m_class.appDir())),
                this);
        }
        window->showContents();
    });
    contents->setShortcut(QKeySequence::HelpContents);

    // Each page scrolls on its own: on a small screen (640x480), or in a language with long
    // words, a page keeps the room its controls need and the teacher scrolls to the rest,
    // instead of the window growing past the edge of the screen.
    const auto addPage = [this](QWidget* page, const QString& title) {
        auto* scroll = new QScrollArea(m_pages);
        scroll->setWidget(page);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        m_pages->addTab(scroll, title);
    };
    addPage(new ChildrenPage(m_class), tr("&Children"));
    addPage(new ClassSettingsPage(m_class), tr("Class &settings"));
    addPage(new ProgressPage(m_class), tr("&Progress"));
    addPage(new WordListsPage(m_class), tr("&Word lists"));
    addPage(new StoriesPage(m_class), tr("S&tories"));
    // Its usual size, or on a small screen what leaves room for the window's frame and title.
    QSize size(900, 640);
    if (const QScreen* shownOn = screen())
        size = size.boundedTo(shownOn->availableGeometry().size() - QSize(16, 48));
    resize(size);
}

}  // namespace kz::desk
