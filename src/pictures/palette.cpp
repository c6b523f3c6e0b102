#include "palette.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace kz::sample {
namespace {

constexpr int paletteSize = 256;
// Colours closer than this (squared RGB distance) count as one when the table is filled first.
constexpr int nearDuplicate = 24 * 24;

int distance2(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

std::vector<std::pair<QRgb, qint64>> coloursByUse(const QList<QImage>& pictures) {
    QHash<QRgb, qint64> counts;
    for (const QImage& picture : pictures) {
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x) ++counts[line[x] | 0xff000000u];
        }
    }
    std::vector<std::pair<QRgb, qint64>> sorted(counts.keyValueBegin(), counts.keyValueEnd());
    // Most used first; ties by colour value, so the same pictures always give the same table.
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    return sorted;
}

}  // namespace

QList<QRgb> choosePalette(const QList<QImage>& pictures) {
    const auto sorted = coloursByUse(pictures);
    QList<QRgb> palette{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    auto fill = [&](int minDistance2) {
        for (const auto& entry : sorted) {
            const QRgb colour = entry.first;
            if (palette.size() == paletteSize) return;
            const bool distinct = std::all_of(palette.begin(), palette.end(), [&](QRgb c) {
                return distance2(c, colour) >= minDistance2;
            });
            if (distinct && !palette.contains(colour)) palette.append(colour);
        }
    };
    fill(nearDuplicate);
    fill(1);
    while (palette.size() < paletteSize) palette.append(qRgb(0, 0, 0));
    return palette;
}

QImage toIndexed(const QImage& picture, const QList<QRgb>& palette) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    QHash<QRgb, uchar> nearest;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* line = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = in[x] | 0xff000000u;
            auto it = nearest.constFind(colour);
            if (it == nearest.constEnd()) {
                int best = 0;
                for (int i = 1; i < palette.size(); ++i)
                    if (distance2(palette[i], colour) < distance2(palette[best], colour)) best = i;
                it = nearest.insert(colour, static_cast<uchar>(best));
            }
            line[x] = *it;
        }
    }
    return out;
}

QImage paletteBitmap(const QList<QRgb>& palette) {
    constexpr int side = 15;
    QImage out(side, side, QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) out.scanLine(y)[x] = static_cast<uchar>(y * side + x);
    return out;
}

}  // namespace kz::sample
