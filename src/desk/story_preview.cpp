#include "story_preview.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "qt_text.h"
#include "session/design_size.h"
#include "zan/story_names.h"

namespace kz::desk {
namespace {

// The credits label of page 1 and the centre line of its title, in design twips.
constexpr QRect kCredits(3000, 5850, 4350, 660);
constexpr int kTitleCentre = 5160;
constexpr int kTwipsPerPoint = 20;

}  // namespace

StoryPreview::StoryPreview(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Page of the story"));
    setMinimumSize(320, 221);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void StoryPreview::setStory(const Story& story, std::vector<std::string> bitmaps,
                            const StoryInfo& info) {
    m_story = story;
    // The quotation marks as the reader shows them in Arial.
    convertQuoteMarks(m_story, true);
    m_bitmaps = std::move(bitmaps);
    m_bitmaps.resize(m_story.pages.size());
    m_credits = ui::fromFileText(creditsText(info)).remove(QChar('\r'));
    m_page = 0;
    setPage(1);
}

void StoryPreview::clear() {
    m_story = {};
    m_bitmaps.clear();
    m_page = 0;
    update();
}

void StoryPreview::setPage(int page) {
    page = std::clamp(page, pageCount() > 0 ? 1 : 0, pageCount());
    if (page == m_page) return;
    m_page = page;
    setAccessibleDescription(pageLines().join(' '));
    update();
    emit pageChanged(m_page);
}

QStringList StoryPreview::pageLines() const {
    QStringList lines;
    if (m_page < 1) return lines;
    for (const StoryText& t : m_story.page(m_page).texts)
        if (t.lineLeft > 0 && !t.text.empty()) lines << ui::fromFileText(t.text);
    return lines;
}

bool StoryPreview::pageHasPicture() const {
    return m_page >= 1 && !m_bitmaps[static_cast<size_t>(m_page - 1)].empty();
}

QSize StoryPreview::sizeHint() const { return {480, heightForWidth(480)}; }

int StoryPreview::heightForWidth(int width) const {
    return width * kDesignClientHeight / kDesignClientWidth;
}

void StoryPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // The page at the largest size that fits, centred.
    const double scale =
        std::min(double(width()) / kDesignClientWidth, double(height()) / kDesignClientHeight);
    const QSizeF size(kDesignClientWidth * scale, kDesignClientHeight * scale);
    painter.translate((width() - size.width()) / 2, (height() - size.height()) / 2);
    painter.scale(scale, scale);
    painter.fillRect(QRect(0, 0, kDesignClientWidth, kDesignClientHeight), Qt::white);
    QPen frame(Qt::gray);
    frame.setCosmetic(true);  // one pixel, whatever the scale
    painter.setPen(frame);
    painter.drawRect(QRect(0, 0, kDesignClientWidth - 1, kDesignClientHeight - 1));
    if (m_page < 1) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const StoryPage& page = m_story.page(m_page);
    const std::string& bitmap = m_bitmaps[static_cast<size_t>(m_page - 1)];
    for (const StoryPicture& pic : page.pictures) {
        if (pic.left <= 0 || bitmap.empty()) continue;
        QImage image;
        image.loadFromData(reinterpret_cast<const uchar*>(bitmap.data()),
                           static_cast<int>(bitmap.size()), "BMP");
        painter.drawImage(QRect(pic.left, pic.top, pic.width, pic.height), image);
    }

    QFont font("Arial");
    font.setPixelSize(std::max<int>(1, m_story.fontSize) * kTwipsPerPoint);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (size_t j = 0; j < page.texts.size(); ++j) {
        const StoryText& t = page.texts[j];
        if (t.lineLeft <= 0) continue;
        const QString text = ui::fromFileText(t.text);
        QRect box(t.textLeft, t.lineTop, t.lineLeft + t.lineWidth - t.textLeft, t.lineHeight);
        if (m_page == 1 && j == 0) {
            const int w = painter.fontMetrics().horizontalAdvance(text);
            box = QRect(kTitleCentre - w / 2, t.lineTop, w, t.lineHeight);
        }
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    }
    if (m_page == 1 && !m_credits.isEmpty()) {
        font.setPixelSize(int(8.25 * kTwipsPerPoint));
        painter.setFont(font);
        painter.drawText(kCredits, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_credits);
    }
}

}  // namespace kz::desk
