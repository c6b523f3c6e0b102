#include "startup_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "session/startup.h"
#include "twips.h"
#include "window_style.h"

namespace kz::ui {

namespace {

// The version line names its month: written out here so that lupdate collects it, and kept the
// same as the core's.
constexpr char kShownVersion[] =
    QT_TRANSLATE_NOOP("kz::ui::StartupWindow", "Version 3.10 December 2010");
static_assert(std::string_view(kShownVersion) == kVersion);

}  // namespace

StartupWindow::StartupWindow(Role role, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_role(role),
      m_title(new QLabel(QString::fromLatin1(kProductTitle.data(), kProductTitle.size()), this)),
      m_programs(new QLabel(tr("Kiv: words   \u2022   Zan: stories"), this)),
      m_purpose(new QLabel(tr("Reading activities for young children"), this)),
      m_version(new QLabel(tr(kShownVersion), this)),
      m_ok(new QPushButton(tr("OK"), this)) {
    setObjectName("frmSplash");
    setWindowTitle(QString());
    setWindowColours(this, QColor(255, 255, 192), Qt::black, true);
    for (QLabel* label : {m_title, m_programs, m_purpose, m_version}) {
        label->setAlignment(Qt::AlignCenter);
    }
    m_version->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_ok->setVisible(role == Role::About);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    setModal(role == Role::About);
    layOut();
}

void StartupWindow::layOut() {
    const DialogFrame d = applyDialogFrame(this);
    placeInTwips(m_title, 120, 0, 4935, 735, d.fx, d.fy);
    m_title->setFont(fontAt("Times New Roman", 31.5 * d.f, true, this));
    placeInTwips(m_programs, 120, 1500, 4935, 600, d.fx, d.fy);
    m_programs->setFont(fontAt("Arial", 14 * d.f, true, this));
    placeInTwips(m_purpose, 120, 2250, 4935, 500, d.fx, d.fy);
    m_purpose->setFont(fontAt("Arial", 12 * d.f, false, this));
    placeInTwips(m_version, 360, 3690, 4455, 255, d.fx, d.fy);
    m_version->setFont(fontAt("Arial", 8.25 * d.f, false, this));
    // OK keeps its shape: its size follows the smaller factor, its place each axis. A longer
    // word for OK ("Aceptar") widens it to the left, its right edge staying under the title's.
    m_ok->setFont(fontAt("Arial", 12 * d.f, false, this));
    const int right = twipsToPixels(4200 * d.fx, this) + twipsToPixels(735 * d.f, this);
    const int width = std::max(twipsToPixels(735 * d.f, this),
                               m_ok->fontMetrics().horizontalAdvance(m_ok->text()) + 16);
    m_ok->setGeometry(right - width, twipsToPixels(690 * d.fy, this), width,
                      twipsToPixels(495 * d.f, this));
}

void StartupWindow::keyPressEvent(QKeyEvent* event) {
    // Only OK closes the About box (Enter presses it); the start-up window ignores keys.
    if (m_role == Role::About &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        return accept();
    }
    event->accept();
}

void showAbout(QWidget* parent) {
    StartupWindow about(StartupWindow::Role::About, parent);
    about.exec();
}

}  // namespace kz::ui
