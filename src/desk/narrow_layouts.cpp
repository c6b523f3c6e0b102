#include "narrow_layouts.h"

#include <QBoxLayout>
#include <QStyle>
#include <algorithm>

namespace kz::desk {

SideBySide::SideBySide(QWidget* parent)
    : QWidget(parent), m_box(new QBoxLayout(QBoxLayout::LeftToRight, this)) {
    m_box->setContentsMargins(0, 0, 0, 0);
}

void SideBySide::addWidget(QWidget* widget, int stretch, std::function<int()> neededWidth) {
    m_box->addWidget(widget, stretch);
    m_needed.append(std::move(neededWidth));
}

bool SideBySide::isSideBySide() const { return m_box->direction() == QBoxLayout::LeftToRight; }

int SideBySide::sideBySideWidth() const {
    int width = 0, shown = 0;
    for (int i = 0; i < m_box->count(); ++i) {
        const QWidget* w = m_box->itemAt(i)->widget();
        if (!w || w->isHidden()) continue;
        // A stack inside is measured side by side too: it is given the room to be so.
        const auto* inner = qobject_cast<const SideBySide*>(w);
        const auto& needed = m_needed.value(i);
        width += needed  ? needed()
                 : inner ? inner->sideBySideWidth()
                         : std::max(w->sizeHint().width(), w->minimumSizeHint().width());
        ++shown;
    }
    const int spacing = m_box->spacing() >= 0
                            ? m_box->spacing()
                            : style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing);
    return width + std::max(0, shown - 1) * std::max(0, spacing);
}

void SideBySide::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const auto direction =
        width() >= sideBySideWidth() ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (direction == m_box->direction()) return;
    m_box->setDirection(direction);
    m_box->activate();
    updateGeometry();
}

FlowLayout::FlowLayout(QWidget* parent) : QLayout(parent) {}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addItem(QLayoutItem* item) { m_items.append(item); }

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

QSize FlowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : m_items) size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const {
    // One row, as on a wide screen.
    int width = 0, height = 0;
    const int gap = std::max(0, spacing());
    for (const QLayoutItem* item : m_items) {
        if (item->isEmpty()) continue;
        width += (width > 0 ? gap : 0) + item->sizeHint().width();
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

// Places the items in rows within `rect` (when `move`), and returns the height they take.
int FlowLayout::arrange(const QRect& rect, bool move) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = std::max(0, spacing());
    int x = area.x(), y = area.y(), rowHeight = 0;
    for (QLayoutItem* item : m_items) {
        if (item->isEmpty()) continue;
        const QSize size = item->sizeHint().boundedTo(QSize(area.width(), QWIDGETSIZE_MAX));
        if (x > area.x() && x + size.width() > area.right() + 1) {
            x = area.x();
            y += rowHeight + gap;
            rowHeight = 0;
        }
        if (move) item->setGeometry(QRect(QPoint(x, y), size));
        x += size.width() + gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    return y + rowHeight - rect.y() + contentsMargins().bottom();
}

}  // namespace kz::desk
