#include "sign_in_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>

#include "fatal.h"
#include "files/user_list.h"
#include "password_dialog.h"
#include "pointer.h"
#include "qt_text.h"
#include "session/app_state.h"
#include "session/host_ports.h"
#include "session/password.h"
#include "svg_art.h"
#include "twips.h"
#include "ui_host.h"
#include "window_style.h"

namespace kz::ui {

namespace {

// Makes the label's font smaller, down to half its size, until its text fits: every word within
// its width and the wrapped lines within its height. The settings' name lists ask a longer
// question than "What is your name?", and some languages use longer words.
void fitWrappedText(QLabel* label) {
    QFont font = label->font();
    const int given = font.pixelSize();
    if (given <= 0) return;
    const QStringList words = label->text().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    for (int size = given; size >= given / 2 && size > 0; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        const bool wordsFit = std::all_of(words.begin(), words.end(), [&](const QString& w) {
            return metrics.horizontalAdvance(w) <= label->width();
        });
        const QRect lines = metrics.boundingRect(QRect(0, 0, label->width(), 1 << 20),
                                                 Qt::TextWordWrap, label->text());
        if (wordsFit && lines.height() <= label->height()) break;
    }
    label->setFont(font);
}

}  // namespace

SignInDialog::SignInDialog(QWidget* parent, const AppState& state, HostPorts& host, NameList list)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_storedPassword(storedPassword(state.global)),
      m_host(host),
      m_userNames(std::move(list.names)),
      m_signIn(list.role == NameListRole::SignIn),
      m_request(new QLabel(fromFileText(list.prompt), this)),
      m_names(new QListWidget(this)),
      m_ok(new QPushButton(this)),
      m_exitHint(new QLabel(tr("F3 to exit"), this)) {
    setObjectName("frmUserName");
    setModal(true);
    setWindowColours(this, QColor(192, 255, 255), Qt::black, true);
    m_request->setObjectName("Label1");
    m_exitHint->setObjectName("Label2");
    m_names->setObjectName("listnames");
    m_ok->setObjectName("CmdOK");

    const DialogFrame d = applyDialogFrame(this);
    placeInTwips(m_request, 240, 480, 1395, 1455, d.f, d.f);
    placeInTwips(m_names, 1800, 120, 3255, 3735, d.f, d.f);
    placeInTwips(m_ok, 540, 2520, 735, 735, d.f, d.f);
    placeInTwips(m_exitHint, 180, 3600, 1455, 255, d.f, d.f);
    m_request->setFont(fontAt("Arial", 18 * d.f, false, this));
    m_request->setWordWrap(true);
    m_request->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitWrappedText(m_request);
    m_names->setFont(fontAt("Arial", 18 * d.f, false, this));
    m_exitHint->setFont(fontAt("MS Sans Serif", 8.25 * d.f, false, this));
    setButtonPicture(m_ok, ":/art/tick.svg");
    m_ok->setToolTip(tr("OK"));
    m_exitHint->setVisible(m_signIn);
    m_ok->hide();

    for (const std::string& name : m_userNames) m_names->addItem(fromFileText(name));

    // The tick waits for a chosen name: the list takes a current row without selecting it when
    // it gets the focus, and that chooses nobody.
    connect(m_names, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_names->selectedItems().isEmpty()) m_ok->show();
    });
    connect(m_names, &QListWidget::itemDoubleClicked, this, &SignInDialog::confirm);
    connect(m_ok, &QPushButton::clicked, this, &SignInDialog::confirm);
    for (QWidget* w : {static_cast<QWidget*>(m_names), static_cast<QWidget*>(m_ok)}) {
        w->installEventFilter(this);
    }
    m_names->setFocus();
}

void SignInDialog::leave(NameChoice choice) {
    m_choice = choice;
    done(choice == NameChoice::Chosen ? Accepted : Rejected);
}

void SignInDialog::confirm() {
    const int row = m_names->currentRow();
    if (row < 0 || !m_names->currentItem()->isSelected()) return;
    const std::string& name = m_userNames[static_cast<size_t>(row)];
    if (m_signIn && signInNeedsPassword(name, m_storedPassword)) {
        PasswordDialog password(this, m_storedPassword);
        password.exec();
        switch (password.outcome()) {
            case PasswordOutcome::Cancelled:
                return;
            case PasswordOutcome::Wrong:
                m_host.message(wrongPasswordText(), wrongPasswordCaption(),
                               MessageIcon::Exclamation, MessageButtons::Ok);
                return;
            case PasswordOutcome::Right:
                break;
        }
    }
    m_chosen = name;
    leave(NameChoice::Chosen);
}

bool SignInDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == m_names && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) &&
            m_names->selectedItems().isEmpty() && m_names->count() > 0) {
            // With nobody chosen yet the first arrow key chooses the name the list stands on
            // (the first, when the list has just taken the focus) rather than moving past it.
            m_names->setCurrentRow(std::max(m_names->currentRow(), 0));
            return true;
        }
        if (key->key() == Qt::Key_F3 || key->key() == Qt::Key_Escape ||
            key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            keyPressEvent(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SignInDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_F3:
        case Qt::Key_Escape:
            // At sign-in these quit the program; as a name picker, Esc cancels the Open or Save As.
            if (m_signIn) return leave(NameChoice::Quit);
            if (event->key() == Qt::Key_Escape) return leave(NameChoice::Cancelled);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_ok->isVisible()) confirm();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void SignInDialog::closeEvent(QCloseEvent* event) {
    // Closing the window quits at sign-in and cancels elsewhere; a choice closes it otherwise.
    m_choice = m_signIn ? NameChoice::Quit : NameChoice::Cancelled;
    QDialog::closeEvent(event);
}

namespace {

NameAnswer runNameList(QWidget* parent, AppState& state, HostPorts& host, std::string_view prompt,
                       NameListRole role) {
    NameList list{std::string(prompt), role, {}};
    {
        BusyPointer busy;
        auto users = loadUserList(state.appDir);
        if (!users) fatalError(users.error());
        list.names.assign(users->begin() + 1, users->end());
    }
    SignInDialog dialog(parent, state, host, std::move(list));
    dialog.exec();
    return {dialog.choice(), dialog.chosenName()};
}

}  // namespace

std::string signInQuestion() {
    QString text = QCoreApplication::translate("kz::ui::SignInDialog", "What\nis your name?");
    text.replace("\n", "\r\n");
    return toFileText(text).value_or(std::string(kSignInQuestion));
}

NameAnswer runSignInDialog(QWidget* parent, AppState& state, HostPorts& host) {
    NameAnswer answer = runNameList(parent, state, host, signInQuestion(), NameListRole::SignIn);
    if (answer.choice == NameChoice::Chosen) state.userName = answer.name;
    return answer;
}

NameAnswer runNamePicker(QWidget* parent, AppState& state, HostPorts& host,
                         std::string_view prompt) {
    return runNameList(parent, state, host, prompt, NameListRole::Picker);
}

}  // namespace kz::ui
