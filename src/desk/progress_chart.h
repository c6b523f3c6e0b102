#pragma once

#include <QDate>
#include <QWidget>
#include <array>
#include <vector>

namespace kz::admin {
struct ChildReading;
}

namespace kz::desk {

// The reading of each child as bar charts: a row per child, and in it a pair of bars for each
// week of the chosen days (Kiv green, Zan blue), each bar's height the minutes read in that
// program that week on the class's own scale, the number of sessions above it. The same figures
// are its accessible description, for a screen reader.
class ProgressChart : public QWidget {
    Q_OBJECT
public:
    explicit ProgressChart(QWidget* parent = nullptr);

    // The children to show and the weeks, by their Mondays, from the week of `from` to that of
    // `to`.
    void setReading(const std::vector<admin::ChildReading>& children, QDate from, QDate to);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // Draws the chart on any device (the window, an image for printing), from its top left.
    void paintOn(QPainter& painter) const;

    int weekCount() const { return int(m_weeks.size()); }
    // The figures as words, a line a child: the chart's text for screen readers.
    QString description() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Row {
        QString name;
        std::vector<std::array<int, 4>>
            weeks;  // Kiv sessions, Kiv minutes, Zan sessions, Zan minutes
    };
    std::vector<Row> m_rows;
    std::vector<QDate> m_weeks;
    int m_mostMinutes = 1;
};

}  // namespace kz::desk
