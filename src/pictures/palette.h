#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace kz::sample {

// The 256 colours that best keep a set of flat-coloured pictures: the most used colours first,
// skipping near-duplicates (the blends at shape edges) until the table is full.
QList<QRgb> choosePalette(const QList<QImage>& pictures);

// The picture in 8-bit indexed form over the given colour table, each pixel taking its nearest
// colour (no dithering, so flat areas stay flat).
QImage toIndexed(const QImage& picture, const QList<QRgb>& palette);

// A small 8-bit bitmap whose colour table is the palette and whose pixels show its colours: the
// story's palette bitmap, which a 256-colour display realises before drawing the pictures.
QImage paletteBitmap(const QList<QRgb>& palette);

}  // namespace kz::sample
