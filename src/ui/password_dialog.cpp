#include "password_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "dialogs.h"
#include "qt_text.h"
#include "session/app_state.h"
#include "session/host_ports.h"
#include "svg_art.h"
#include "twips.h"
#include "window_style.h"

namespace kz::ui {
namespace {

// What reaches the box other than by typing (pasting, the selection's middle click, dropping,
// an input method) passes the same filter as typed keys.
class PasswordCharacters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        QString kept;
        int keptBeforeCursor = 0;
        for (int i = 0; i < input.size(); ++i) {
            if (const auto c = PasswordDialog::filterKey(input[i])) {
                kept += *c;
                if (i < pos) ++keptBeforeCursor;
            }
        }
        input = kept;
        pos = keptBeforeCursor;
        return Acceptable;
    }
};

}  // namespace

PasswordDialog::PasswordDialog(QWidget* parent, std::string storedPlain)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_stored(std::move(storedPlain)),
      m_text(new QLineEdit(this)),
      m_ok(new QPushButton(this)),
      m_abort(new QPushButton(this)) {
    setObjectName("frmPass");
    setModal(true);
    setWindowColours(this, QColor(255, 0, 0), Qt::white);
    auto* title = new QLabel(tr("PASSWORD"), this);
    auto* explain = new QLabel(
        tr("       This is for teacher use only.       Please type the password, then hit ENTER "
           "or click on the green tick.  Use the cross to cancel.  Read the manual if you have "
           "forgotten the password!"),
        this);
    m_text->setObjectName("Text1");
    m_ok->setObjectName("CmdOK");
    m_abort->setObjectName("CmdAbort");

    const DialogFrame d = applyDialogFrame(this);
    placeInTwips(title, 240, 240, 4695, 855, d.f, d.f);
    placeInTwips(explain, 240, 1320, 4695, 1695, d.f, d.f);
    placeInTwips(m_text, 1560, 3120, 2055, 675, d.f, d.f);
    placeInTwips(m_ok, 480, 3120, 735, 735, d.f, d.f);
    placeInTwips(m_abort, 3960, 3120, 735, 735, d.f, d.f);
    title->setFont(fontAt("Arial", 31.5 * d.f, false, this));
    title->setAlignment(Qt::AlignCenter);
    explain->setFont(fontAt("Arial", 12 * d.f, false, this));
    explain->setWordWrap(true);
    m_text->setFont(fontAt("Arial", 24 * d.f, false, this));
    m_text->setEchoMode(QLineEdit::Password);
    m_text->setStyleSheet("QLineEdit { lineedit-password-character: 42; }");  // "*"
    m_text->setMaxLength(8);
    m_text->setValidator(new PasswordCharacters(m_text));
    setButtonPicture(m_ok, ":/art/tick.svg");
    setButtonPicture(m_abort, ":/art/cross.svg");
    m_ok->setToolTip(tr("OK"));
    m_abort->setToolTip(tr("Cancel"));
    m_text->installEventFilter(this);

    connect(m_ok, &QPushButton::clicked, this, &PasswordDialog::check);
    connect(m_abort, &QPushButton::clicked, this, &PasswordDialog::cancel);
    m_text->setFocus();
}

std::optional<QChar> PasswordDialog::filterKey(QChar typed) {
    // Backspace and Delete are edit keys here, handled by the box itself; what is inserted is a
    // letter or a digit.
    if (typed.unicode() >= 128 || typed.unicode() == 8 || typed.unicode() == 127) {
        return std::nullopt;
    }
    const auto key = passwordKey(static_cast<char>(typed.unicode()));
    if (!key) return std::nullopt;
    return QChar(static_cast<char16_t>(*key));
}

bool PasswordDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_text || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            check();
            return true;
        case Qt::Key_Escape:
            cancel();
            return true;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
    }
    const QString text = key->text();
    if (text.size() != 1) return true;  // no other keys reach the box
    if (const auto accepted = filterKey(text.front())) {
        if (m_text->text().size() < m_text->maxLength()) m_text->insert(QString(*accepted));
    }
    return true;
}

void PasswordDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return cancel();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return check();
    QDialog::keyPressEvent(event);
}

void PasswordDialog::check() {
    m_outcome = checkPassword(m_text->text().toLatin1().toStdString(), m_stored);
    accept();
}

void PasswordDialog::cancel() { reject(); }

void PasswordDialog::reject() {
    // The cross, Esc and closing the window all cancel.
    m_outcome = PasswordOutcome::Cancelled;
    QDialog::reject();
}

PasswordOutcome runPasswordDialog(QWidget* parent, const AppState& state) {
    PasswordDialog dialog(parent, storedPassword(state.global));
    dialog.exec();
    return dialog.outcome();
}

bool checkSettingsPassword(QWidget* parent, AppState& state, HostPorts& host) {
    if (!settingsNeedPassword(state.userName, storedPassword(state.global))) return true;
    switch (runPasswordDialog(parent, state)) {
        case PasswordOutcome::Right:
            return true;
        case PasswordOutcome::Wrong:
            host.message(wrongPasswordText(), wrongPasswordCaption(), MessageIcon::Exclamation,
                         MessageButtons::Ok);
            return false;
        case PasswordOutcome::Cancelled:
            return false;
    }
    return false;
}

}  // namespace kz::ui
