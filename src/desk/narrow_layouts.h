#pragma once

#include <QLayout>
#include <QList>
#include <QWidget>
#include <functional>

class QBoxLayout;

namespace kz::desk {

// Widgets side by side while the width holds all of them at their usual sizes, one above the
// other when it does not (a 640x480 screen, a language with long words): nothing is squeezed
// past what it needs and nothing needs scrolling sideways.
class SideBySide : public QWidget {
    Q_OBJECT
public:
    explicit SideBySide(QWidget* parent = nullptr);

    // `stretch` shares the width out while side by side and the height while stacked;
    // `neededWidth`, when given, is the width the widget needs beside the others (a table's
    // columns), else its size hint's.
    void addWidget(QWidget* widget, int stretch = 0, std::function<int()> neededWidth = {});
    bool isSideBySide() const;
    // The narrowest width that still shows the widgets side by side.
    int sideBySideWidth() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QBoxLayout* m_box;
    QList<std::function<int()>> m_needed;
};

// A row of widgets (buttons, a pair of date boxes) that goes on in a new row when the width
// runs out, as words in a paragraph do.
class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem* itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    int arrange(const QRect& rect, bool move) const;

    QList<QLayoutItem*> m_items;
};

}  // namespace kz::desk
