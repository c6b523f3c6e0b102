// The help documents as the programs ship them, read by the real help window: every section in
// the contents and index leads somewhere, every link inside a document finds its anchor, every
// picture is there and loads, and the words a teacher or child looks for find a section.
#include <QFile>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>
#include <filesystem>
#include <set>

#include "help_window.h"
#include "temp_dir.h"

using namespace kz;
using namespace kz::ui;

namespace {

struct DocumentParts {
    std::set<QString> anchors, links, images;
};

DocumentParts partsOf(const QTextDocument& document) {
    DocumentParts parts;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        for (const QString& a : b.charFormat().anchorNames()) parts.anchors.insert(a);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (const QString& a : f.anchorNames()) parts.anchors.insert(a);
            if (f.isAnchor() && !f.anchorHref().isEmpty()) parts.links.insert(f.anchorHref());
            if (f.isImageFormat()) parts.images.insert(f.toImageFormat().name());
        }
    }
    return parts;
}

QTextBrowser* textOf(HelpWindow& help) { return help.findChild<QTextBrowser*>(); }

}  // namespace

class HelpDocumentsTest : public QObject {
    Q_OBJECT
private slots:
    void everySectionLinkAndPictureResolves_data() {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QStringList>("searches");
        // Words a reader of each document types into the search box.
        QTest::newRow("kiv") << "kiv-help.html"
                             << QStringList{"password", "frog",    "log",     "word list",
                                            "choices",  "type",    "sign in", "settings",
                                            "hear",     "see",     "next",    "data directory",
                                            "users",    "per set", "menus",   "wqadmin"};
        QTest::newRow("zan") << "zan-help.html"
                             << QStringList{"password", "story",    "log",    "page",
                                            "word",     "hear",     "next",   "book",
                                            "sign in",  "settings", "users",  "data directory",
                                            "start",    "wqadmin",  "sounds", "phrase"};
    }

    void everySectionLinkAndPictureResolves() {
        QFETCH(QString, document);
        QFETCH(QStringList, searches);
        const QString path = QStringLiteral(KZ_HELP_DIR "/") + document;
        HelpWindow help("Help", path.toStdString());
        help.showContents();
        const QTextDocument& text = *textOf(help)->document();
        const DocumentParts parts = partsOf(text);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const auto sections = helpSections(QString::fromUtf8(file.readAll()));
        QVERIFY(sections.size() >= 6);
        std::set<QString> seen;
        for (const auto& s : sections) {
            QVERIFY2(parts.anchors.count(s.anchor), qPrintable(s.anchor));
            QVERIFY2(seen.insert(s.anchor).second, qPrintable("twice: " + s.anchor));
            // Several ways into each section from the search box.
            QVERIFY2(s.keywords.size() >= 4, qPrintable(s.anchor));
        }
        for (const QString& link : parts.links) {
            QVERIFY2(link.startsWith('#'), qPrintable("leads out of the document: " + link));
            QVERIFY2(parts.anchors.count(link.mid(1)), qPrintable("no anchor for " + link));
        }
        QVERIFY2(parts.images.size() >= 4, qPrintable(document));
        for (const QString& image : parts.images) {
            QVERIFY2(QUrl(image).isRelative(), qPrintable("not beside the document: " + image));
            const QVariant loaded =
                const_cast<QTextDocument&>(text).resource(QTextDocument::ImageResource, image);
            QVERIFY2(loaded.canConvert<QImage>() && !loaded.value<QImage>().isNull(),
                     qPrintable("picture not found: " + image));
        }

        help.showSearch();
        auto* box = help.findChild<QLineEdit*>();
        for (const QString& word : searches) {
            box->setText(word);
            QVERIFY2(!help.indexEntries().isEmpty(), qPrintable(document + ": " + word));
        }
        help.close();
    }

    // A help folder copied from a CD may be all capitals: the pictures are still found.
    void picturesAreFoundWhateverTheLetterCase() {
        test::TempDir dir;
        QImage dot(4, 4, QImage::Format_RGB32);
        dot.fill(Qt::green);
        std::filesystem::create_directories(dir / "HELP-PICTURES");
        QVERIFY(dot.save(QString::fromStdString((dir / "HELP-PICTURES/FROG.PNG").string()), "PNG"));
        dir.write("KIV-HELP.HTML",
                  "<h2 id=\"a\" title=\"frog\">Playing</h2><p><img src=\"help-pictures/frog.png\">"
                  "<img src=\"help-pictures/missing.png\"></p>");
        HelpWindow help("Words Help", dir.str() + "\\kiv-help.html");
        help.showContents();
        QTextDocument& text = *textOf(help)->document();
        const QImage found =
            text.resource(QTextDocument::ImageResource, QUrl("help-pictures/frog.png"))
                .value<QImage>();
        QCOMPARE(found.size(), QSize(4, 4));
        QVERIFY(text.resource(QTextDocument::ImageResource, QUrl("help-pictures/missing.png"))
                    .value<QImage>()
                    .isNull());
        help.close();
    }

    // A keyword two sections share is two entries, each naming its section.
    void sharedKeywordsNameTheirSections() {
        test::TempDir dir;
        dir.write("kiv-help.html",
                  "<h2 id=\"screen\" title=\"frog, word\">The screen</h2><p>x</p>"
                  "<h2 id=\"pads\" title=\"Frog, jump\">Lily pads</h2><p>y</p>");
        HelpWindow help("Words Help", dir.str() + "\\kiv-help.html");
        help.showSearch();
        QTest::keyClicks(help.findChild<QLineEdit*>(), "fro");
        QCOMPARE(help.indexEntries(), QStringList({"Frog (Lily pads)", "frog (The screen)"}));
        help.close();
    }

    // On a small screen each picture shrinks to the text's width, keeping its shape.
    void picturesFitTheWindow() {
        HelpWindow help("Help", KZ_HELP_DIR "/kiv-help.html");
        help.resize(360, 300);
        help.showContents();
        QTextBrowser* text = textOf(help);
        const auto fits = [&] {
            const qreal room = text->viewport()->width();
            int checked = 0;
            for (QTextBlock b = text->document()->begin(); b.isValid(); b = b.next()) {
                for (auto it = b.begin(); !it.atEnd(); ++it) {
                    const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
                    if (!f.isValid()) continue;
                    ++checked;
                    if (f.width() <= 0 || f.width() > room) return false;
                }
            }
            return checked > 0;
        };
        QVERIFY(QTest::qWaitFor(fits));
        help.resize(1200, 900);
        QTRY_VERIFY(text->viewport()->width() > 800);
        // Wide again: the pictures are back at their own size (400 pixels at most).
        bool atOwnSize = false;
        for (QTextBlock b = text->document()->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
                if (f.isValid() && f.name().endsWith("kiv-question.png")) {
                    atOwnSize = qFuzzyCompare(f.width(), 400.0);
                }
            }
        }
        QVERIFY(atOwnSize);
        help.close();
    }
};

QTEST_MAIN(HelpDocumentsTest)
#include "help_documents_test.moc"
