#pragma once

#include <QWidget>
#include <string>

#include "files/story.h"
#include "files/story_catalogue.h"

namespace kz::desk {

// One page of a story drawn as the reader lays it out on its 9600 x 6630 twip page: the pictures
// in their boxes, the text lines in their slots, on page 1 the title centred and the credits
// below. The whole page is scaled into the widget, its shape kept.
class StoryPreview : public QWidget {
    Q_OBJECT
public:
    explicit StoryPreview(QWidget* parent = nullptr);

    // bitmaps: per page, its picture's bitmap file bytes (empty where the page has none).
    void setStory(const Story& story, std::vector<std::string> bitmaps, const StoryInfo& info);
    void clear();

    int pageCount() const { return static_cast<int>(m_story.pages.size()); }
    int page() const { return m_page; }  // from 1; 0 when there is no story
    void setPage(int page);
    // The page's text lines as the reader shows them (for tests and screen readers).
    QStringList pageLines() const;
    bool pageHasPicture() const;

signals:
    void pageChanged(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

private:
    Story m_story;
    std::vector<std::string> m_bitmaps;
    QString m_credits;
    int m_page = 0;
};

}  // namespace kz::desk
