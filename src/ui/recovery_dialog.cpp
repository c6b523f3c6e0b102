#include "recovery_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "dialogs.h"
#include "fatal.h"
#include "files/paths.h"
#include "files/text.h"
#include "message_service.h"
#include "qt_ports.h"
#include "qt_text.h"
#include "session/app_state.h"
#include "session/find_data_file.h"
#include "session/recovery_texts.h"
#include "twips.h"
#include "window_style.h"

namespace kz::ui {
namespace {

constexpr int kDesignWidth = 7200;
constexpr int kDesignHeight = 5400;

void setClipboard(const QString& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
}

// The data directory for the box: file text, or the system's own bytes for a folder that
// Windows-1252 cannot name (taken from the command line for this session).
QString directoryText(const std::string& dir) {
    return storablePath(dir) ? fromFileText(dir) : QString::fromStdString(dir);
}

}  // namespace

RecoveryDialog::RecoveryDialog(QWidget* parent, AppState& state, std::string_view reason,
                               MessageService& messages, Clock& clock)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_state(state),
      m_messages(messages),
      m_clock(clock),
      m_reason(reason),
      m_success(reason == kRecoverySuccess),
      m_instructions(new QLabel(this)),
      m_directory(new QLineEdit(this)),
      m_again(new QPushButton(tr("&Try again"), this)),
      m_details(new QPushButton(tr("&Details..."), this)),
      m_quitButton(new QPushButton(tr("&Quit"), this)) {
    setObjectName("frmNoData");
    setModal(true);
    setWindowColours(this, Qt::white, Qt::black, true);
    m_instructions->setObjectName("lblInstr");
    m_directory->setObjectName("Text1");
    m_again->setObjectName("cmdAgain");
    m_details->setObjectName("cmdDetails");
    m_quitButton->setObjectName("cmdQuit");

    const DialogFrame d = applyDialogFrame(this, kDesignWidth, kDesignHeight);
    placeInTwips(m_instructions, 240, 180, 6720, 3720, d.f, d.f);
    placeInTwips(m_directory, 240, 4020, 6720, 420, d.f, d.f);
    placeInTwips(m_again, 240, 4680, 1935, 495, d.f, d.f);
    placeInTwips(m_details, 2632, 4680, 1935, 495, d.f, d.f);
    placeInTwips(m_quitButton, 5025, 4680, 1935, 495, d.f, d.f);
    m_instructions->setFont(fontAt("Arial", 9.75 * d.f, false, this));
    m_instructions->setWordWrap(true);
    m_instructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_directory->setFont(fontAt("Arial", 9.75 * d.f, false, this));
    for (QPushButton* b : {m_again, m_details, m_quitButton}) {
        b->setFont(fontAt("Arial", 9.75 * d.f, true, this));
        b->setAutoDefault(false);
    }

    m_directory->setText(directoryText(state.dataDir));
    m_directory->hide();
    m_instructions->setText(fromFileText(recoveryInstructions(m_reason, state.dataDir)));
    if (m_success) {
        m_quitButton->hide();
        m_again->setText(tr("&Yes"));
        m_details->setText(tr("&No"));
    }
    connect(m_again, &QPushButton::clicked, this, &RecoveryDialog::tryAgain);
    connect(m_details, &QPushButton::clicked, this, &RecoveryDialog::details);
    connect(m_quitButton, &QPushButton::clicked, this, &RecoveryDialog::quit);
    connect(m_directory, &QLineEdit::returnPressed, this, &RecoveryDialog::tryAgain);
    setClipboard(QString::fromLatin1(kRecoveryClipboardSignal.data(),
                                     qsizetype(kRecoveryClipboardSignal.size())));
}

RecoveryDialog::~RecoveryDialog() = default;

void RecoveryDialog::leaveWithSignal() {
    setClipboard("OK");
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->clear();
}

void RecoveryDialog::tryAgain() {
    if (m_success) {
        m_answer = RecoveryAnswer::KeepPermanently;
    } else {
        const auto typed = toFileText(m_directory->text());
        if (!typed) {
            // The settings file could not store it: say so, and stay open for another try.
            m_messages.show(this, {fromFileText(unstorableFolderMessage()),
                                   {},
                                   MessageIcon::Exclamation,
                                   MessageButtons::Ok});
            return;
        }
        m_state.dataDir = toUpperCp1252(trimSpaces(*typed));
        m_answer = RecoveryAnswer::TryAgain;
    }
    leaveWithSignal();
    if (m_answer == RecoveryAnswer::TryAgain)
        waitThenAccept();
    else
        accept();
}

void RecoveryDialog::waitThenAccept() {
    if (m_waiting) return;
    m_waiting = std::make_unique<Waiting>();
    QTimer::singleShot(millisecondsToNextSecond(m_clock.secondsSinceMidnight()), this, [this] {
        m_waiting.reset();
        accept();
    });
}

void RecoveryDialog::details() {
    if (m_success) {
        m_answer = RecoveryAnswer::ThisSessionOnly;
        leaveWithSignal();
        accept();
        return;
    }
    m_directory->show();
    m_details->hide();
    m_instructions->setText(
        fromFileText(recoveryDetails(m_reason, m_state.dataDir, m_state.appDir)));
    m_directory->setFocus();
}

void RecoveryDialog::quit() {
    m_answer = RecoveryAnswer::Quit;
    leaveWithSignal();
    reject();
}

void RecoveryDialog::keyPressEvent(QKeyEvent* event) {
    // Esc does not close this dialog: only its buttons do.
    if (event->key() == Qt::Key_Escape) return event->accept();
    QDialog::keyPressEvent(event);
}

void RecoveryDialog::closeEvent(QCloseEvent* event) {
    // Closing the window is taken as Quit, the one way out while the data stays missing; in the
    // success question, whose Quit is hidden, as "No".
    event->ignore();
    if (m_success)
        details();
    else
        quit();
}

RecoveryAnswer runRecoveryDialog(QWidget* parent, AppState& state, std::string_view reason,
                                 MessageService& messages, Clock& clock) {
    RecoveryDialog dialog(parent, state, reason, messages, clock);
    dialog.exec();
    if (dialog.answer() == RecoveryAnswer::Quit) quitProgram();
    return dialog.answer();
}

}  // namespace kz::ui
