#include "progress_chart.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>

#include "class_log.h"
#include "qt_text.h"

namespace kz::desk {
namespace {

// The chart's measures, in pixels: the names' column, a week's width, a bar's width, the axis
// above the rows and a row's height (bars at most kBarArea high).
constexpr int kNameWidth = 150, kWeekWidth = 34, kBarWidth = 12, kAxisHeight = 36, kRowHeight = 46,
              kBarArea = 30, kLegendHeight = 22, kKeyWidth = 560;
const QColor kColours[2] = {QColor("#3f9b2f"), QColor("#2f6db5")};

QString isoText(QDate day) { return day.toString(Qt::ISODate); }

}  // namespace

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Minutes and sessions each week"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ProgressChart::setReading(const std::vector<admin::ChildReading>& children, QDate from,
                               QDate to) {
    m_weeks.clear();
    m_rows.clear();
    m_mostMinutes = 1;
    if (from.isValid() && to.isValid() && from <= to) {
        for (QDate w = from.addDays(1 - from.dayOfWeek()); w <= to; w = w.addDays(7)) {
            m_weeks.push_back(w);
        }
    }
    for (const auto& child : children) {
        Row row{ui::fromFileText(child.name), {}};
        for (const QDate& week : m_weeks) {
            std::array<int, 4> figures{};
            const auto found = child.weeks.find(isoText(week).toStdString());
            if (found != child.weeks.end()) {
                for (int p = 0; p < 2; ++p) {
                    figures[2 * p] = int(found->second[p].sessions);
                    figures[2 * p + 1] = int(found->second[p].minutes);
                    m_mostMinutes = std::max(m_mostMinutes, figures[2 * p + 1]);
                }
            }
            row.weeks.push_back(figures);
        }
        m_rows.push_back(std::move(row));
    }
    setAccessibleDescription(description());
    setMinimumSize(sizeHint());  // the scroll area around it scrolls when the window is smaller
    updateGeometry();
    update();
}

QSize ProgressChart::sizeHint() const {
    const int rows = std::max<int>(1, int(m_rows.size()));
    // At least as wide as the key above the bars.
    return {std::max(kKeyWidth, kNameWidth + int(m_weeks.size()) * kWeekWidth + 12),
            kLegendHeight + kAxisHeight + rows * kRowHeight + 8};
}

QString ProgressChart::description() const {
    if (m_rows.empty()) return tr("No child read in these days.");
    QStringList lines;
    for (const Row& row : m_rows) {
        QStringList weeks;
        for (size_t i = 0; i < m_weeks.size(); ++i) {
            const auto& f = row.weeks[i];
            if (f[0] == 0 && f[2] == 0) continue;
            QStringList parts;
            for (int p = 0; p < 2; ++p) {
                const int sessions = f[2 * p], minutes = f[2 * p + 1];
                if (sessions == 0) continue;
                parts << (p == 0 ? tr("Kiv") : tr("Zan")) + " " +
                             (sessions == 1 ? tr("1 session") : tr("%1 sessions").arg(sessions)) +
                             ", " + (minutes == 1 ? tr("1 minute") : tr("%1 minutes").arg(minutes));
            }
            //: A week's Monday (a QDate format).
            const QString monday = QLocale().toString(m_weeks[i], tr("d MMMM yyyy"));
            weeks << tr("week of %1: %2").arg(monday, parts.join("; "));
        }
        lines << row.name + ": " + (weeks.isEmpty() ? tr("no session") : weeks.join(". ")) + ".";
    }
    return lines.join("\n");
}

void ProgressChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintOn(painter);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ProgressChart::paintOn(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    const QColor ink = palette().color(QPalette::Text);
    painter.setPen(ink);

    // The key: which colour is which program.
    int x = 4;
    for (int p = 0; p < 2; ++p) {
        painter.fillRect(x, 5, 12, 12, kColours[p]);
        const QString label = p == 0 ? tr("Kiv (words)") : tr("Zan (stories)");
        painter.drawText(x + 16, 16, label);
        x += 16 + painter.fontMetrics().horizontalAdvance(label) + 20;
    }
    painter.drawText(x, 16, tr("Bar: minutes that week. Figure: sessions."));

    if (m_rows.empty()) {
        painter.drawText(4, kLegendHeight + 24, tr("No child read in these days."));
        painter.restore();
        return;
    }
    // The weeks, by their Mondays.
    QFont small = font;
    small.setPixelSize(10);
    painter.setFont(small);
    const int axisTop = kLegendHeight;
    for (size_t i = 0; i < m_weeks.size(); ++i) {
        const QRect cell(kNameWidth + int(i) * kWeekWidth, axisTop, kWeekWidth, kAxisHeight);
        painter.drawText(
            cell, Qt::AlignHCenter | Qt::AlignTop,
            QLocale().toString(m_weeks[i], "d") + "\n" + QLocale().toString(m_weeks[i], "MMM"));
    }
    const int chartWidth = int(m_weeks.size()) * kWeekWidth;
    for (size_t r = 0; r < m_rows.size(); ++r) {
        const Row& row = m_rows[r];
        const int top = kLegendHeight + kAxisHeight + int(r) * kRowHeight;
        const int base = top + kRowHeight - 6;
        painter.setFont(font);
        painter.setPen(ink);
        const QString name =
            painter.fontMetrics().elidedText(row.name, Qt::ElideRight, kNameWidth - 8);
        painter.drawText(QRect(4, top, kNameWidth - 8, kRowHeight - 6),
                         Qt::AlignLeft | Qt::AlignBottom, name);
        painter.setPen(QColor("#999999"));
        painter.drawLine(kNameWidth, base, kNameWidth + chartWidth, base);
        painter.setFont(small);
        for (size_t i = 0; i < m_weeks.size(); ++i) {
            for (int p = 0; p < 2; ++p) {
                const int sessions = row.weeks[i][2 * p], minutes = row.weeks[i][2 * p + 1];
                if (sessions == 0) continue;
                const int height =
                    std::max(2, int(double(minutes) / double(m_mostMinutes) * kBarArea + 0.5));
                const int bx = kNameWidth + int(i) * kWeekWidth + 4 + p * (kBarWidth + 1);
                painter.fillRect(bx, base - height, kBarWidth, height, kColours[p]);
                painter.setPen(ink);
                painter.drawText(QRect(bx - 6, base - height - 13, kBarWidth + 12, 12),
                                 Qt::AlignHCenter | Qt::AlignBottom, QString::number(sessions));
            }
        }
    }
    painter.restore();
}

}  // namespace kz::desk
