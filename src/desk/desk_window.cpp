#include "desk_window.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTabWidget>

#include "desk_class.h"
#include "stories_page.h"

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

    // Each page: m_pages->addTab(new SomePage(m_class, m_pages), tr("&Name"));
    m_pages->addTab(new StoriesPage(m_class, m_pages), tr("S&tories"));
    resize(900, 640);
}

}  // namespace kz::desk
