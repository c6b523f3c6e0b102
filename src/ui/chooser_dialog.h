#pragma once

#include <QDialog>

#include "dialogs.h"
#include "session/chooser.h"

class QListWidget;

namespace kz::ui {

// Where the chooser goes: a share of the screen, near the main window's top left corner, always
// whole on the screen. All in twips.
QRect chooserGeometry(QSize screen, QPoint mainWindowTopLeft);

// The chooser's entries for a request: the folder listed (with the busy pointer) and titled.
ChooserList listChoices(const ChooserRequest& request);

// The chooser (frmGetfile) showing entries already listed; see runChooserDialog.
class ChooserDialog : public QDialog {
    Q_OBJECT
public:
    ChooserDialog(QWidget* parent, ChooserList list);
    const ChooserChoice& choice() const { return m_choice; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void acceptSelection();

    ChooserList m_list;
    ChooserChoice m_choice;
    QListWidget* m_titles;
};

}  // namespace kz::ui
