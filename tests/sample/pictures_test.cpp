// Every picture a page names, and every story's palette bitmap, loads as the reader loads it:
// 256 colours or fewer, at the size of its design box on a 15-twips-per-pixel screen.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "staged_installation.h"

namespace kz::sample {
namespace {

constexpr int kTwipsPerPixel = 15;

QImage loadPicture(const std::string& relative, const char* format = nullptr) {
    return QImage(QString::fromStdString(stagePath(relative)), format);
}

void expectFewColours(const QImage& image, const std::string& what) {
    ASSERT_FALSE(image.isNull()) << what << " does not load";
    EXPECT_LE(image.depth(), 8) << what;
    EXPECT_GT(image.colorCount(), 0) << what;
    EXPECT_LE(image.colorCount(), 256) << what;
}

TEST(SamplePictures, EveryPagePictureLoadsAtItsBoxSize) {
    for (const auto& [code, story] : stagedStories()) {
        for (int p = 1; p <= story.pageCount; ++p) {
            for (const auto& pic : story.page(p).pictures) {
                const std::string path = "BMPS\\" + code + "\\" + pic.name + ".BMP";
                const QImage image = loadPicture(path);
                expectFewColours(image, path);
                EXPECT_EQ(image.width(), pic.width / kTwipsPerPixel) << path;
                EXPECT_EQ(image.height(), pic.height / kTwipsPerPixel) << path;
            }
            const std::string& next = story.page(p).nextPicture;
            if (p < story.pageCount) {
                EXPECT_EQ(next, story.page(p + 1).pictures.at(0).name)
                    << code << " page " << p << " pre-loads the next page's picture";
            } else {
                EXPECT_TRUE(next.empty()) << code;
            }
        }
    }
}

TEST(SamplePictures, EveryStoryHasItsPaletteBitmap) {
    for (const auto& staged : stagedStories()) {
        const std::string path = "BMPS\\" + staged.code + "\\" + staged.code + ".DIB";
        // A .DIB is a bitmap file under another name; Qt knows it by content only when told.
        expectFewColours(loadPicture(path, "BMP"), path);
    }
}

}  // namespace
}  // namespace kz::sample
