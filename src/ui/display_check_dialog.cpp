#include "display_check_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "dialogs.h"
#include "fatal.h"
#include "qt_text.h"
#include "session/app_state.h"
#include "session/find_data_file.h"
#include "twips.h"

namespace kz::ui {

DisplayCheckDialog::DisplayCheckDialog(QWidget* parent, AppState& state, HostPorts& host,
                                       DisplayWarning kind, int colourDepthBits)
    : QDialog(parent), m_state(state), m_host(host), m_kind(kind) {
    setObjectName("frmWarning");
    setWindowTitle(tr("WQ Story Books Software"));
    setModal(true);
    auto* message = new QLabel(fromFileText(displayWarningText(m_kind, colourDepthBits)));
    message->setObjectName("Label1");
    message->setWordWrap(true);
    auto* yes = new QPushButton(tr("Yes - proceed"));
    auto* no = new QPushButton(tr("No - quit"));
    yes->setObjectName("Command1");
    no->setObjectName("Command2");
    m_omit = new QCheckBox(tr("  Omit this warning in future."));
    m_omit->setObjectName("Check3D1");
    const double f = applyDialogFrame(this, 6000, 3600).f;
    for (QWidget* w : std::initializer_list<QWidget*>{message, yes, no, m_omit}) {
        w->setFont(fontAt("Arial", 10 * f, false, this));
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message, 1);
    layout->addWidget(m_omit);
    layout->addLayout(buttons);
    yes->setDefault(true);

    connect(m_omit, &QCheckBox::clicked, this, &DisplayCheckDialog::omitClicked);
    connect(yes, &QPushButton::clicked, this, &DisplayCheckDialog::proceed);
    connect(no, &QPushButton::clicked, this, [this] {
        m_quit = true;
        reject();
    });
}

void DisplayCheckDialog::omitClicked(bool ticked) {
    m_clicked = true;
    const int16_t value = ticked ? -1 : 0;
    if (m_kind == DisplayWarning::Colour)
        m_state.global.setOmitColourWarning(value);
    else
        m_state.global.setOmitFontWarning(value);
}

void DisplayCheckDialog::proceed() {
    if (m_clicked) {
        // Only the flag of this warning is saved; the rest of the file stays as it now is.
        const bool colour = m_kind == DisplayWarning::Colour;
        const int16_t value =
            colour ? m_state.global.omitColourWarning() : m_state.global.omitFontWarning();
        saveGlobalSettings(m_state, m_host, false, [colour, value](GlobalSettings& g) {
            if (colour)
                g.setOmitColourWarning(value);
            else
                g.setOmitFontWarning(value);
        });
    }
    accept();
}

void DisplayCheckDialog::keyPressEvent(QKeyEvent* event) {
    // The warning is answered with one of its two buttons.
    if (event->key() == Qt::Key_Escape) return event->accept();
    QDialog::keyPressEvent(event);
}

void DisplayCheckDialog::closeEvent(QCloseEvent* event) {
    // Closing the window without an answer goes on, as the warning lets the user do.
    event->ignore();
    proceed();
}

void runDisplayCheckDialog(QWidget* parent, AppState& state, HostPorts& host, DisplayWarning kind,
                           int colourDepthBits) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (colourDepthBits < 0) colourDepthBits = screen ? screen->depth() : 24;
    DisplayCheckDialog dialog(parent, state, host, kind, colourDepthBits);
    dialog.exec();
    if (dialog.quitChosen()) quitProgram();
}

}  // namespace kz::ui
