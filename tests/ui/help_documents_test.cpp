// The help documents as the programs ship them, read by the real help window: every section in
// the contents and index leads somewhere, every link inside a document finds its anchor, every
// picture is there and loads, and the words a teacher or child looks for find a section.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>

#include "files/paths.h"
#include "help_window.h"
#include "session/class_language.h"
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

QString readHelp(const QString& name) {
    QFile file(QStringLiteral(KZ_HELP_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// What is wrong with the document's markup, or nothing: every element but the empty ones
// (br, img, meta, hr) closed in the order opened, and every "&" the start of an entity. The help
// window forgives both, but a browser or a later edit would show the rest of a page in bold, or
// in a list, or lose a word after "&".
QString markupProblem(const QString& html) {
    static const QRegularExpression tag("<(/?)([A-Za-z][A-Za-z0-9]*)\\b[^<>]*>");
    static const QRegularExpression ampersand("&(?![A-Za-z]+;|#[0-9]+;)");
    static const QSet<QString> empty{"br", "img", "meta", "hr"};
    QStringList open;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QString name = m.captured(2).toLower();
        const int line = html.left(m.capturedStart()).count('\n') + 1;
        if (empty.contains(name)) continue;
        if (m.captured(1).isEmpty()) {
            open << name;
        } else if (open.isEmpty() || open.last() != name) {
            return QString("line %1: </%2> closes <%3>")
                .arg(line)
                .arg(name, open.isEmpty() ? "nothing" : open.last());
        } else {
            open.removeLast();
        }
    }
    if (!open.isEmpty()) return "never closed: <" + open.join("> <") + ">";
    const auto stray = ampersand.match(html);
    if (stray.hasMatch()) return "a bare & at " + html.mid(stray.capturedStart(), 20);
    if (html.count('<') != html.count('>')) return "a bare < or >";
    return {};
}

// The values of one attribute of one element, in document order.
QStringList attributes(const QString& html, const QString& element, const QString& attribute) {
    const QRegularExpression pattern(
        QString("<%1\\b[^>]*\\b%2=\"([^\"]*)\"").arg(element, attribute),
        QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    for (auto it = pattern.globalMatch(html); it.hasNext();) out << it.next().captured(1);
    return out;
}

// The language's own environment for one test, put back afterwards.
class LanguageEnvironment {
public:
    LanguageEnvironment() {
        for (const char* name : kNames) m_saved.push_back(qEnvironmentVariable(name).toUtf8());
        for (const char* name : kNames) qunsetenv(name);
    }
    ~LanguageEnvironment() {
        for (size_t i = 0; i < std::size(kNames); ++i) {
            if (m_saved[i].isEmpty()) {
                qunsetenv(kNames[i]);
            } else {
                qputenv(kNames[i], m_saved[i]);
            }
        }
    }

private:
    static constexpr const char* kNames[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<QByteArray> m_saved;
};

}  // namespace

class HelpDocumentsTest : public QObject {
    Q_OBJECT
private slots:
    void everySectionLinkAndPictureResolves_data() {
        QTest::addColumn<QString>("document");
        QTest::addColumn<int>("pictures");
        QTest::addColumn<QStringList>("searches");
        // Words a reader of each document types into the search box, in its own language.
        QTest::newRow("kiv") << "kiv-help.html" << 4
                             << QStringList{"password", "frog",    "log",     "word list",
                                            "choices",  "type",    "sign in", "settings",
                                            "hear",     "see",     "next",    "data directory",
                                            "users",    "per set", "menus",   "wqadmin"};
        QTest::newRow("zan") << "zan-help.html" << 4
                             << QStringList{"password", "story",    "log",    "page",
                                            "word",     "hear",     "next",   "book",
                                            "sign in",  "settings", "users",  "data directory",
                                            "start",    "wqadmin",  "sounds", "phrase"};
        QTest::newRow("desk") << "desk-help.html" << 0
                              << QStringList{"children",  "password",   "sign-in mode", "progress",
                                             "word list", "microphone", "espeak",       "story",
                                             "log",       "keyboard",   "class folder", "CSV"};
        QTest::newRow("kiv fr") << "kiv-help.fr.html" << 4
                                << QStringList{"mot de passe",  "grenouille", "journal",
                                               "liste de mots", "choix",      "taper",
                                               "connexion",     "réglages",   "écouter",
                                               "voir",          "suivant",    "dossier des données",
                                               "noms",          "menus",      "wqadmin"};
        QTest::newRow("zan fr") << "zan-help.fr.html" << 4
                                << QStringList{
                                       "mot de passe", "histoire", "journal", "page",
                                       "mots",         "écouter",  "suivant", "livre",
                                       "connexion",    "réglages", "noms",    "dossier des données",
                                       "début",        "wqadmin",  "sons",    "phrase"};
        QTest::newRow("desk fr") << "desk-help.fr.html" << 0 << QStringList{"enfants",
                                                                            "mot de passe",
                                                                            "mode de connexion",
                                                                            "progrès",
                                                                            "liste de mots",
                                                                            "micro",
                                                                            "espeak",
                                                                            "histoire",
                                                                            "journal",
                                                                            "clavier",
                                                                            "dossier de la classe",
                                                                            "CSV"};
        QTest::newRow("kiv es") << "kiv-help.es.html" << 4
                                << QStringList{
                                       "contraseña", "rana",     "registro",  "lista de palabras",
                                       "opciones",   "escribir", "entrar",    "ajustes",
                                       "oír",        "ver",      "siguiente", "carpeta de datos",
                                       "nombres",    "menús",    "wqadmin"};
        QTest::newRow("zan es") << "zan-help.es.html" << 4
                                << QStringList{
                                       "contraseña", "cuento",  "registro",  "página",
                                       "palabras",   "oír",     "siguiente", "libro",
                                       "entrar",     "ajustes", "nombres",   "carpeta de datos",
                                       "inicio",     "wqadmin", "sonidos",   "frase"};
        QTest::newRow("desk es") << "desk-help.es.html" << 0 << QStringList{"niños",
                                                                            "contraseña",
                                                                            "modo de entrada",
                                                                            "progreso",
                                                                            "lista de palabras",
                                                                            "micrófono",
                                                                            "espeak",
                                                                            "cuento",
                                                                            "registro",
                                                                            "teclado",
                                                                            "carpeta de la clase",
                                                                            "CSV"};
        QTest::newRow("kiv de") << "kiv-help.de.html" << 4
                                << QStringList{"Passwort", "Frosch", "Protokoll", "Wortliste",
                                               "Auswahl",  "tippen", "anmelden",  "Einstellungen",
                                               "hören",    "sehen",  "weiter",    "Datenordner",
                                               "Namen",    "Menüs",  "wqadmin"};
        QTest::newRow("zan de") << "zan-help.de.html" << 4
                                << QStringList{
                                       "Passwort", "Geschichte",    "Protokoll", "Seite",
                                       "Wörter",   "hören",         "weiter",    "Buch",
                                       "anmelden", "Einstellungen", "Namen",     "Datenordner",
                                       "Anfang",   "wqadmin",       "Töne",      "Satz"};
        QTest::newRow("desk de") << "desk-help.de.html" << 0
                                 << QStringList{"Kinder",      "Passwort",      "Anmeldeart",
                                                "Fortschritt", "Wortliste",     "Mikrofon",
                                                "espeak",      "Geschichte",    "Protokoll",
                                                "Tastatur",    "Klassenordner", "CSV"};
    }

    void everySectionLinkAndPictureResolves() {
        QFETCH(QString, document);
        QFETCH(int, pictures);
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
        QVERIFY2(int(parts.images.size()) >= pictures, qPrintable(document));
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

    // Every help document shipped, in every language: its markup closes what it opens. The
    // check itself finds the slips a translator makes.
    void everyDocumentIsWellFormed() {
        QCOMPARE(markupProblem("<p><b>Hear</p>"), QString("line 1: </p> closes <b>"));
        QVERIFY(!markupProblem("<ul><li>Next</li>").isEmpty());
        QVERIFY(!markupProblem("<p>Words & Phrases</p>").isEmpty());
        QVERIFY(markupProblem("<p>A&nbsp;<br><img src=\"a.png\">&gt;</p>").isEmpty());
        const QStringList documents =
            QDir(KZ_HELP_DIR).entryList({"*-help.html", "*-help.*.html"}, QDir::Files);
        QVERIFY(documents.size() >= 12);
        for (const QString& name : documents) {
            const QString html = readHelp(name);
            QVERIFY2(!html.isEmpty(), qPrintable(name));
            const QString problem = markupProblem(html);
            QVERIFY2(problem.isEmpty(), qPrintable(name + ": " + problem));
        }
    }

    // Each program's help in French, Spanish and German is the English document translated:
    // the same sections in the same order (so the same links lead to them), the same links in
    // the same places, the same pictures taken in the document's own language (NAME.fr.png
    // beside NAME.png), and no heading left in English.
    void translationsKeepTheEnglishShape() {
        for (const QString program : {"kiv", "zan", "desk"}) {
            const QString english = readHelp(program + "-help.html");
            QVERIFY2(!english.isEmpty(), qPrintable(program));
            const auto englishSections = helpSections(english);
            for (const QString language : {"fr", "es", "de"}) {
                const QString name = QString("%1-help.%2.html").arg(program, language);
                const QString html = readHelp(name);
                QVERIFY2(!html.isEmpty(), qPrintable("missing: " + name));
                QCOMPARE(attributes(html, "html", "lang"), QStringList{language});
                const auto sections = helpSections(html);
                QCOMPARE(sections.size(), englishSections.size());
                for (size_t i = 0; i < sections.size(); ++i) {
                    QCOMPARE(sections[i].anchor, englishSections[i].anchor);
                    QVERIFY2(sections[i].heading != englishSections[i].heading,
                             qPrintable(name + ": " + sections[i].heading));
                }
                QStringList ownPictures;
                for (QString src : attributes(english, "img", "src")) {
                    ownPictures << src.replace(QRegularExpression("\\.png$"),
                                               "." + language + ".png");
                }
                QCOMPARE(attributes(html, "img", "src"), ownPictures);
                QCOMPARE(attributes(html, "a", "href"), attributes(english, "a", "href"));
            }
        }
    }

    // The document a program opens: the chosen language's beside the English one when it is
    // there (whatever its letter case) and holds something, else English.
    void helpFollowsTheChosenLanguage_data() {
        QTest::addColumn<QString>("languageVariable");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("classFile");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("opened");
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << ""
                                     << "kiv-help.html"
                                     << "English";
        QTest::newRow("desktop French") << ""
                                        << "fr_FR.UTF-8"
                                        << ""
                                        << "kiv-help.html"
                                        << "French";
        QTest::newRow("LANGUAGE before LANG") << "fr:en"
                                              << "de_DE.UTF-8"
                                              << ""
                                              << "kiv-help.html"
                                              << "French";
        QTest::newRow("German file in capitals") << ""
                                                 << "de_AT.UTF-8"
                                                 << ""
                                                 << "kiv-help.html"
                                                 << "German";
        QTest::newRow("class file over the desktop") << ""
                                                     << "fr_FR.UTF-8"
                                                     << "de\r\n"
                                                     << "kiv-help.html"
                                                     << "German";
        QTest::newRow("class keeps English") << "fr"
                                             << "fr_FR.UTF-8"
                                             << "EN\r\n"
                                             << "kiv-help.html"
                                             << "English";
        QTest::newRow("empty translation") << ""
                                           << "es_ES.UTF-8"
                                           << ""
                                           << "kiv-help.html"
                                           << "English";
        QTest::newRow("language with no help") << ""
                                               << "it_IT.UTF-8"
                                               << ""
                                               << "kiv-help.html"
                                               << "English";
        QTest::newRow("C locale") << ""
                                  << "C.UTF-8"
                                  << ""
                                  << "kiv-help.html"
                                  << "English";
        QTest::newRow("another program's translation") << ""
                                                       << "fr_FR.UTF-8"
                                                       << ""
                                                       << "zan-help.html"
                                                       << "Zan English";
        QTest::newRow("desk in French") << ""
                                        << "fr_FR.UTF-8"
                                        << ""
                                        << "desk-help.html"
                                        << "Bureau";
    }

    void helpFollowsTheChosenLanguage() {
        QFETCH(QString, languageVariable);
        QFETCH(QString, lang);
        QFETCH(QString, classFile);
        QFETCH(QString, document);
        QFETCH(QString, opened);
        test::TempDir dir;
        dir.write("kiv-help.html", "English");
        dir.write("kiv-help.fr.html", "French");
        dir.write("KIV-HELP.DE.HTML", "German");
        dir.write("kiv-help.es.html", "");
        dir.write("zan-help.html", "Zan English");
        dir.write("desk-help.html", "Desk");
        dir.write("desk-help.fr.html", "Bureau");
        if (!classFile.isEmpty()) dir.write(kClassLanguageFile, classFile.toStdString());
        LanguageEnvironment environment;
        if (!languageVariable.isEmpty()) qputenv("LANGUAGE", languageVariable.toUtf8());
        if (!lang.isEmpty()) qputenv("LANG", lang.toUtf8());

        const std::string path = helpDocumentPath(dir.str(), document.toStdString());
        QCOMPARE(QString::fromStdString(readWholeFile(path).value_or("(nothing)")), opened);
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
