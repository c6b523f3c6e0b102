// sample_art: renders the project's SVG art to the bitmaps the programs load.
//
//   sample_art render IN.svg WIDTH HEIGHT OUT.png        one picture, transparent background
//   sample_art strip WIDTH HEIGHT OUT.png IN.svg...      cells of WIDTH x HEIGHT side by side
//   sample_art pictures SVGDIR OUTDIR PALETTE [PREVIEWDIR]
//       every SVGDIR/NAME.svg at its own size on white, as OUTDIR/NAME.BMP in 8 bits over one
//       shared 256-colour palette, which is also written as OUTDIR/PALETTE.DIB; PREVIEWDIR gets
//       the same pictures as PNG, for looking at them.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "palette.h"

namespace {

[[noreturn]] void fail(const QString& message) {
    std::fprintf(stderr, "sample_art: %s\n", qPrintable(message));
    std::exit(1);
}

QImage renderSvg(const QString& path, QSize size, QColor background) {
    QSvgRenderer svg(path);
    if (!svg.isValid()) fail("cannot read " + path);
    if (size.isEmpty()) size = svg.defaultSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    return image;
}

void save(const QImage& image, const QString& path, const char* format) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, format)) fail("cannot write " + path);
}

int toSize(const char* text) {
    const int value = std::atoi(text);
    if (value <= 0 || value > 4096) fail(QString("bad size: %1").arg(text));
    return value;
}

int render(int argc, char** argv) {
    if (argc != 6) fail("usage: render IN.svg WIDTH HEIGHT OUT.png");
    save(renderSvg(argv[2], {toSize(argv[3]), toSize(argv[4])}, Qt::transparent), argv[5], "PNG");
    return 0;
}

int strip(int argc, char** argv) {
    if (argc < 6) fail("usage: strip WIDTH HEIGHT OUT.png IN.svg...");
    const QSize cell(toSize(argv[2]), toSize(argv[3]));
    const int cells = argc - 5;
    QImage out(cell.width() * cells, cell.height(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    for (int i = 0; i < cells; ++i)
        painter.drawImage(i * cell.width(), 0, renderSvg(argv[5 + i], cell, Qt::transparent));
    painter.end();
    save(out, argv[4], "PNG");
    return 0;
}

int pictures(int argc, char** argv) {
    if (argc != 5 && argc != 6) fail("usage: pictures SVGDIR OUTDIR PALETTE [PREVIEWDIR]");
    const QDir svgDir(argv[2]);
    const QStringList names = svgDir.entryList({"*.svg"}, QDir::Files, QDir::Name);
    if (names.isEmpty()) fail(QString("no pictures in %1").arg(argv[2]));
    QList<QImage> drawn;
    for (const QString& name : names) drawn.append(renderSvg(svgDir.filePath(name), {}, Qt::white));
    const QList<QRgb> palette = kz::sample::choosePalette(drawn);
    const QDir outDir(argv[3]);
    for (int i = 0; i < names.size(); ++i) {
        const QImage indexed = kz::sample::toIndexed(drawn[i], palette);
        const QString stem = QFileInfo(names[i]).completeBaseName().toUpper();
        save(indexed, outDir.filePath(stem + ".BMP"), "BMP");
        if (argc == 6) save(indexed, QDir(argv[5]).filePath(stem + ".png"), "PNG");
    }
    save(kz::sample::paletteBitmap(palette), outDir.filePath(QString(argv[4]).toUpper() + ".DIB"),
         "BMP");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Rendering needs no screen; the offscreen platform keeps the tool working on build machines,
    // and a private runtime folder keeps Qt quiet where the build has none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QGuiApplication app(argc, argv);
    const QString command = argc > 1 ? argv[1] : "";
    if (command == "render") return render(argc, argv);
    if (command == "strip") return strip(argc, argv);
    if (command == "pictures") return pictures(argc, argv);
    fail("usage: sample_art render|strip|pictures ...");
}
