#pragma once

#include <QMainWindow>

class QTabWidget;

namespace kz::desk {

class DeskClass;

// The desk's one window, "Teacher's Desk": a page for each thing a teacher does to a class
// folder, each page reading the class's files through `DeskClass` and following their changes.
class DeskWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DeskWindow(DeskClass& deskClass, QWidget* parent = nullptr);

    QTabWidget* pages() const { return m_pages; }

private:
    DeskClass& m_class;
    QTabWidget* m_pages;
};

}  // namespace kz::desk
