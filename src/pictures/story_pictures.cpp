#include "story_pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>

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

std::string bmpBytes(const QImage& image) {
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
