// The page layout of every staged story makes a sensible page in the reader: text lines and
// pictures inside the page and clear of the button margin, text never under a picture or the
// title page's credits, every line fitting its box in the story font (also in bold), and the
// font fitting the title line so that the reader keeps its size.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRect>
#include <QString>

#include "files/cp1252.h"
#include "staged_installation.h"
#include "twips.h"

namespace kz::sample {
namespace {

const QRect kPage(0, 0, 9600, 6630);
constexpr int kMarginWidth = 705;
const QRect kCredits(3000, 5850, 4350, 660);

QRect textBox(const StoryText& t) {
    return QRect(t.textLeft, t.lineTop, t.lineLeft + t.lineWidth - t.textLeft, t.lineHeight);
}

QRect pictureBox(const StoryPicture& p) { return QRect(p.left, p.top, p.width, p.height); }

void expectOnPage(const QRect& box, const std::string& what) {
    EXPECT_TRUE(kPage.contains(box)) << what;
    EXPECT_GE(box.left(), kMarginWidth) << what << " covers the button margin";
}

// Width of the text in twips as the reader shows it: quotation marks for the "@" signs.
double textWidth(const std::string& text, int points, bool bold) {
    int toggle = 0;
    const QString shown =
        QString::fromStdString(cp1252ToUtf8(convertQuoteMarks(text, toggle, true)));
    return ui::pixelsToTwips(1) *
           QFontMetricsF(ui::fontAt("Arial", points, bold)).horizontalAdvance(shown);
}

TEST(SampleLayout, TextAndPicturesStayApartInsideThePage) {
    for (const auto& [code, story] : stagedStories()) {
        for (int p = 1; p <= story.pageCount; ++p) {
            const auto& page = story.page(p);
            const std::string where = code + " page " + std::to_string(p);
            for (const auto& pic : page.pictures)
                expectOnPage(pictureBox(pic), where + " picture " + pic.name);
            for (const auto& t : page.texts) {
                expectOnPage(textBox(t), where + " '" + t.text + "'");
                for (const auto& pic : page.pictures) {
                    EXPECT_FALSE(textBox(t).intersects(pictureBox(pic)))
                        << where << " '" << t.text << "' over " << pic.name;
                }
                if (p == 1) {
                    EXPECT_FALSE(textBox(t).intersects(kCredits))
                        << where << " text over the credits";
                }
            }
            if (p == 1) {
                for (const auto& pic : page.pictures)
                    EXPECT_FALSE(pictureBox(pic).intersects(kCredits)) << where;
            }
        }
    }
}

TEST(SampleLayout, EveryLineFitsItsBoxAndTheFontFitsTheTitle) {
    for (const auto& [code, story] : stagedStories()) {
        const double tyHeight =
            ui::pixelsToTwips(1) * QFontMetricsF(ui::fontAt("Arial", story.fontSize)).height();
        EXPECT_LE(tyHeight, story.page(1).texts.at(0).lineHeight)
            << code << ": the reader would shrink the font";
        for (int p = 1; p <= story.pageCount; ++p) {
            for (const auto& t : story.page(p).texts) {
                for (bool bold : {false, true}) {
                    EXPECT_LE(textWidth(t.text, story.fontSize, bold), textBox(t).width())
                        << code << " page " << p << " '" << t.text << "'"
                        << (bold ? " in bold" : "");
                }
            }
        }
    }
}

}  // namespace
}  // namespace kz::sample
