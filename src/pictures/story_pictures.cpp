#include "story_pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstring>

#include "palette.h"

namespace kz::pictures {

struct StoryPictures::Pictures {
    QList<QImage> images;
};

StoryPictures::StoryPictures() : m_pictures(std::make_unique<Pictures>()) {}
StoryPictures::~StoryPictures() = default;

bool StoryPictures::add(const std::string& systemPath) {
    QImageReader reader(QFile::decodeName(systemPath.c_str()));
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format().toLower();
    if (format != "png" && format != "jpeg" && format != "jpg" && format != "bmp") return false;
    QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) return false;
    m_pictures->images.append(image);
    return true;
}

Size StoryPictures::size(size_t index) const {
    const QImage& image = m_pictures->images.at(static_cast<qsizetype>(index));
    return {image.width(), image.height()};
}

namespace {

// The resolution the bitmaps' headers give: 100 dots an inch, what Qt gives an image when no
// screen is known (as in wqadmin). A new image otherwise takes the resolution of the screen the
// program runs on, and the same story made in the desk would not be the same file.
constexpr int kDotsPerMeter = 3937;

std::string bmpBytes(QImage image) {
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    // Each row of the file is padded to whole 4 bytes, and the writer copies the padding from
    // the image's memory, which nothing sets: zeros there, or the same picture comes out as
    // different files.
    const qsizetype used = (qsizetype(image.width()) * image.depth() + 7) / 8;
    for (int y = 0; y < image.height(); ++y)
        std::memset(image.scanLine(y) + used, 0, size_t(image.bytesPerLine() - used));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP")) return {};
    return bytes.toStdString();
}

// The picture at its new size on white, as the palette chooser wants it.
QImage onWhite(const QImage& picture, Size size) {
    QImage out(size.width, size.height, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, size.width, size.height), picture);
    painter.end();
    return out;
}

}  // namespace

StoryPictures::Converted StoryPictures::convert(const std::vector<Size>& sizes) const {
    QList<QImage> scaled;
    for (qsizetype i = 0; i < m_pictures->images.size(); ++i) {
        const Size size =
            static_cast<size_t>(i) < sizes.size() ? sizes[static_cast<size_t>(i)] : Size{};
        scaled.append(size.width > 0 && size.height > 0 ? onWhite(m_pictures->images[i], size)
                                                        : QImage());
    }
    QList<QImage> used;
    for (const QImage& image : scaled)
        if (!image.isNull()) used.append(image);
    const QList<QRgb> palette = sample::choosePalette(used);
    Converted out;
    for (const QImage& image : scaled)
        out.bitmaps.push_back(image.isNull() ? std::string()
                                             : bmpBytes(sample::toIndexed(image, palette)));
    out.palette = bmpBytes(sample::paletteBitmap(palette));
    return out;
}

}  // namespace kz::pictures
