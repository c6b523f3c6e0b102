#include "desk_window.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>

#include "children_page.h"
#include "class_settings_page.h"
#include "desk_class.h"
#include "progress_page.h"
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

    m_pages->addTab(new ChildrenPage(m_class, m_pages), tr("&Children"));
    m_pages->addTab(new ClassSettingsPage(m_class, m_pages), tr("Class &settings"));
    m_pages->addTab(new ProgressPage(m_class, m_pages), tr("&Progress"));
    m_pages->addTab(new WordListsPage(m_class, m_pages), tr("&Word lists"));
    // Within a small screen, leaving room for the window's frame.
    resize(QSize(900, 640).boundedTo(screen()->availableSize() - QSize(20, 60)));
}

}  // namespace kz::desk
