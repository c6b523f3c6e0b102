#include "chooser_dialog.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "pointer.h"
#include "qt_text.h"
#include "session/design_size.h"
#include "svg_art.h"
#include "twips.h"
#include "ui_host.h"

namespace kz::ui {
namespace {

constexpr int kDesignWidth = 4770;
constexpr int kDesignHeight = 3420;
constexpr int kTitleRoom = 390;

}  // namespace

QRect chooserGeometry(QSize screen, QPoint mainWindowTopLeft) {
    const int width =
        static_cast<int>(static_cast<long>(screen.width()) * kDesignWidth / kDesignScreenWidth);
    const int height =
        static_cast<int>(static_cast<long>(screen.height()) * kDesignHeight / kDesignScreenHeight);
    int left = std::max(0, mainWindowTopLeft.x() + 1035);
    int top = std::max(0, mainWindowTopLeft.y() + 1140);
    // Kept whole on the screen by its real size (larger than the design on large screens), title
    // bar included.
    if (left + width > screen.width()) left = screen.width() - width;
    if (top + height + kTitleRoom > screen.height()) top = screen.height() - height - kTitleRoom;
    return {left, top, width, height};
}

ChooserList listChoices(const ChooserRequest& request) {
    BusyPointer busy;
    return chooserList(
        listFolder(request.folder, request.pattern), request.request, request.currentFile,
        request.program,
        request.dataDir.empty() ? std::vector<CatalogueRow>{} : readCatalogueFile(request.dataDir));
}

ChooserDialog::ChooserDialog(QWidget* parent, ChooserList list)
    : QDialog(parent), m_list(std::move(list)), m_titles(new QListWidget(this)) {
    setObjectName("frmGetfile");
    setModal(true);
    setWindowTitle(m_list.restricted ? tr("Choose a story") : tr("Choose a wordlist"));
    m_titles->setObjectName("list");
    auto* yes = new QPushButton(this);
    auto* no = new QPushButton(this);
    yes->setObjectName("cmdYes");
    no->setObjectName("cmdNo");

    const QPoint mainTopLeft = parent ? parent->window()->geometry().topLeft() : QPoint();
    const QRect r =
        chooserGeometry(screenTwips(this), QPoint(int(pixelsToTwips(mainTopLeft.x(), this)),
                                                  int(pixelsToTwips(mainTopLeft.y(), this))));
    setFixedSize(twipsToPixels(r.width(), this), twipsToPixels(r.height(), this));
    move(twipsToPixels(r.x(), this), twipsToPixels(r.y(), this));
    const double fx = double(r.width()) / kDesignWidth, fy = double(r.height()) / kDesignHeight;
    placeInTwips(m_titles, 120, 120, 3480, 3180, fx, fy);
    placeInTwips(yes, 3840, 480, 735, 735, fx, fy);
    placeInTwips(no, 3840, 1800, 735, 735, fx, fy);
    m_titles->setFont(fontAt("Arial", 12 * std::min(fx, fy), false, this));
    QPalette p = m_titles->palette();
    p.setColor(QPalette::Base, Qt::white);
    m_titles->setPalette(p);
    setButtonPicture(yes, ":/art/tick.svg");
    setButtonPicture(no, ":/art/cross.svg");
    yes->setToolTip(tr("OK"));
    no->setToolTip(tr("Cancel"));
    yes->setAutoDefault(false);
    no->setAutoDefault(false);

    for (const auto& entry : m_list.entries) m_titles->addItem(fromFileText(entry.title));
    if (m_list.selected)
        m_titles->setCurrentRow(static_cast<int>(*m_list.selected));
    else
        m_titles->setCurrentRow(-1);
    m_titles->installEventFilter(this);
    m_titles->setFocus();

    connect(yes, &QPushButton::clicked, this, &ChooserDialog::acceptSelection);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_titles, &QListWidget::itemDoubleClicked, this, &ChooserDialog::acceptSelection);
}

void ChooserDialog::acceptSelection() {
    const int row = m_titles->currentRow();
    if (row >= 0 && m_titles->item(row)->isSelected()) {
        m_choice = {m_list.entries[size_t(row)].title, m_list.entries[size_t(row)].fileName};
    }
    accept();
}

bool ChooserDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_titles && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            acceptSelection();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ChooserDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return event->accept();
    QDialog::keyPressEvent(event);  // Esc cancels, as closing does
}

ChooserChoice runChooserDialog(QWidget* parent, const ChooserRequest& request) {
    ChooserDialog dialog(parent, listChoices(request));
    dialog.exec();
    return dialog.choice();
}

}  // namespace kz::ui
