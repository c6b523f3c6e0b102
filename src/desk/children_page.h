#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace kz::desk {

class DeskClass;

// The "Children" page: the sign-in list in its order, each name with the last session and this
// week's minutes from the log; add, rename, remove and move a name through the same engine as
// `wqadmin users`, with its messages.
class ChildrenPage : public QWidget {
    Q_OBJECT
public:
    ChildrenPage(DeskClass& deskClass, QWidget* parent = nullptr);

    // Reads the list and the log again, keeping the chosen name chosen.
    void reload();

    QTreeWidget* list() const { return m_list; }

private:
    void addChild();
    void renameChild();
    void removeChild();
    void moveChild(int step);
    QString chosenName() const;
    void choose(const QString& name);
    void updateButtons();
    // Runs one change; a refusal is shown with its message and the list read again.
    bool run(const std::function<void()>& change);

    DeskClass& m_class;
    QTreeWidget* m_list;
    QLabel* m_problem;
    QPushButton *m_add, *m_rename, *m_remove, *m_up, *m_down;
};

}  // namespace kz::desk
