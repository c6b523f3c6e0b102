// The desk in the class's language: the class's LANGUAGE.TXT, else the desktop's, chosen before
// the window is made; the tabs, a page's buttons and the engine's refusals all in that language,
// and English exactly as before when none is chosen.
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <fstream>

#include "class_settings_page.h"
#include "desk_class.h"
#include "desk_start.h"
#include "desk_test_support.h"
#include "desk_window.h"
#include "files/paths.h"
#include "files/tracking_log.h"
#include "files/user_list.h"
#include "help_window.h"
#include "progress_page.h"
#include "translations.h"

using namespace kz::test;

namespace {

// The desktop's language as LANG alone says it.
void setDesktopLanguage(const char* lang) {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(name);
    qputenv("LANG", lang);
}

void writeClassLanguage(const std::string& dir, const std::string& code) {
    std::ofstream(std::filesystem::path(dir) / "LANGUAGE.TXT", std::ios::binary) << code << "\r\n";
}

QStringList tabTexts(const QTabWidget& tabs) {
    QStringList out;
    for (int i = 0; i < tabs.count(); ++i) out << tabs.tabText(i);
    return out;
}

QStringList menuTitles(const QMainWindow& window) {
    QStringList out;
    for (auto* action : window.menuBar()->actions()) out << action->text();
    return out;
}

QPushButton* button(QWidget& page, const QString& accessibleName) {
    for (auto* b : page.findChildren<QPushButton*>()) {
        if (b->accessibleName() == accessibleName) return b;
    }
    return nullptr;
}

// What the desk looks like in one language: the window's title, its tabs and menus, the Children
// page's Add button, the refusal of a name that is too long, and the first section of its help.
struct Seen {
    QString title;
    QStringList tabs, menus;
    QString addButton, refusal, helpSection;
};

struct LanguageCase {
    const char* name;
    const char* classLanguage;  // LANGUAGE.TXT, or none
    const char* lang;           // LANG
    const char* inForce;
    Seen seen;
};

const LanguageCase kCases[] = {
    {"LANG alone: English",
     nullptr,
     "C",
     "en",
     {"Teacher's Desk",
      {"&Children", "Class &settings", "&Progress", "&Word lists", "S&tories"},
      {"&File", "&Help"},
      "&Add...",
      "A name holds at most 16 characters.",
      "Opening a class folder"}},
    {"LANG alone: French",
     nullptr,
     "fr_FR.UTF-8",
     "fr",
     {"Bureau de l'enseignant",
      {"&Enfants", "&Réglages de la classe", "&Progrès", "&Listes de mots", "&Histoires"},
      {"&Fichier", "&Aide"},
      "A&jouter...",
      "Un nom compte au plus 16 caractères.",
      "Ouvrir le dossier d'une classe"}},
    {"the class's German over LANG's French",
     "de",
     "fr_FR.UTF-8",
     "de",
     {"Lehrerpult",
      {"&Kinder", "Klassen&einstellungen", "&Fortschritt", "&Wortlisten", "&Geschichten"},
      {"&Datei", "&Hilfe"},
      "Hin&zufügen...",
      "Ein Name hat höchstens 16 Zeichen.",
      "Einen Klassenordner öffnen"}},
    {"the class's Spanish",
     "es",
     "C",
     "es",
     {"Mesa del maestro",
      {"&Niños", "A&justes de la clase", "&Progreso", "&Listas de palabras", "&Cuentos"},
      {"&Archivo", "Ay&uda"},
      "Aña&dir...",
      "Un nombre tiene como máximo 16 caracteres.",
      "Abrir la carpeta de una clase"}},
    {"a class language without files: English, not half translated",
     "it",
     "fr_FR.UTF-8",
     "en",
     {"Teacher's Desk",
      {"&Children", "Class &settings", "&Progress", "&Word lists", "S&tories"},
      {"&File", "&Help"},
      "&Add...",
      "A name holds at most 16 characters.",
      "Opening a class folder"}},
};

// The message box the desk shows when the teacher saves a data folder on the Class settings page.
QString savedDataFolderRefusal(const std::string& dir, const QString& folder) {
    QDir().mkpath(folder);
    kz::desk::DeskClass deskClass(kz::fromSystemPath(dir));
    kz::desk::ClassSettingsPage page(deskClass);
    qobject_cast<QLineEdit*>(page.field("dataDir"))->setText(folder);
    QString seen;
    answerMessage(&seen);
    if (page.save()) return "(saved)";
    return seen;
}

// The message box the first window shows when the teacher makes a class in `folder`, chosen
// through the real folder dialog.
QString madeClassRefusal(const QString& folder) {
    QDir().mkpath(folder);
    kz::desk::StartWindow start;
    start.setInstalledPrograms(KZ_STAGE_DIR);
    whenModalIs<QFileDialog>([folder](QFileDialog* d) {
        d->setDirectory(folder);
        static_cast<QDialog*>(d)->accept();
    });
    QString seen = "(no message)";
    whenModalIs<QMessageBox>([&seen, &start](QMessageBox* box) {
        seen = box->text();
        box->accept();
        QTimer::singleShot(0, &start, &QDialog::reject);
    });
    QPushButton* make =
        button(start, QCoreApplication::translate("kz::desk::StartWindow", "Make a new class"));
    if (!make) return "(no Make button)";
    QTimer::singleShot(0, make, &QPushButton::click);
    start.exec();
    return seen;
}

// A refusal of the engine provoked through a real window of the desk; %1 in the texts is the
// folder the teacher chose.
struct RefusalCase {
    const char* name;
    const char* folderName;  // made in the test's folder
    QString (*provoke)(const std::string& classDir, const QString& folder);
    const char* english;
    const char* french;
};

const RefusalCase kRefusals[] = {
    {"a data folder longer than the settings file keeps",
     "long/"
     "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa/"
     "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb/"
     "cccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc",
     savedDataFolderRefusal, "dataDir holds at most 255 characters.",
     "Le chemin du dossier des données compte au plus 255 caractères."},
    {"a data folder whose name the settings file cannot store", "Łódź", savedDataFolderRefusal,
     "dataDir holds characters that a Windows-1252 file cannot store.",
     "Le chemin du dossier des données contient des caractères qu'un fichier Windows-1252 ne peut "
     "pas garder."},
    {"a new class in a folder no desktop entry can start a program in", "50% off",
     [](const std::string&, const QString& folder) { return madeClassRefusal(folder); },
     "A desktop entry cannot start a program in %1: its name is not UTF-8 text, or holds a "
     "control character or %.",
     "Un raccourci du bureau ne peut pas lancer un programme dans %1 : son nom n'est pas du texte "
     "UTF-8, ou bien il contient un caractère de contrôle ou le signe %."},
};

// A class's log over two weeks: two children in both programs, the teacher's own session, a dated
// note under its child and one on a name without a session, and a child on the list who never
// read.
void writeReportLog(const std::string& dir) {
    const auto session = [](kz::LocalTime at, int minutes, std::string_view activity) {
        return kz::composeSessionEntry(at, 0, float(minutes * 60), activity);
    };
    const std::pair<std::string, std::string> entries[] = {
        {"Sam", session({2026, 3, 2, 9, 5}, 12, "Words")},
        {"Ann", session({2026, 3, 3, 13, 30}, 20, "Phrases")},
        {"Teacher", session({2026, 3, 3, 8, 0}, 3, "Words")},
        {"Zoe", "Starts Monday.\r\n"},
        {"Sam", "Note, 4 March 2026:\r\nReads well.\r\n"},
        {"Sam", session({2026, 3, 11, 14, 15}, 2, "Phrases")},
    };
    std::string text;
    for (const auto& [user, entry] : entries) text = kz::insertLogEntry(text, entry, user);
    std::ofstream(std::filesystem::path(dir) / "LOG.WQ", std::ios::binary)
        << kz::encodeLogFile({}, text);
    std::ofstream(std::filesystem::path(dir) / "USERS.WQ", std::ios::binary)
        << kz::encodeUserList({"Teacher", "Sam", "Ann", "Lea"});
}

// Saves the Progress page's report through its button and the real file dialog.
std::string savedReport(kz::desk::DeskWindow& window, const QString& path) {
    auto* page = window.findChild<kz::desk::ProgressPage*>();
    if (!page) return "(no Progress page)";
    page->setRange({2026, 3, 1}, {2026, 3, 31});
    QPushButton* save = button(*page, QCoreApplication::translate("kz::desk::ProgressPage",
                                                                  "Save the report as a web page"));
    if (!save) return "(no Save as HTML button)";
    whenModalIs<QFileDialog>([path](QFileDialog* d) {
        d->selectFile(path);
        static_cast<QDialog*>(d)->accept();
    });
    save->click();
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The report's own English words, none of which the translated pages may keep.
const char* const kReportEnglish[] = {
    "Reading report", "tracking log", "made on",  "children read", "the charts show", "Week of",
    "session",        "Words",        "Child<",   "Last session",  "Weeks, by",       "each week",
    "Other notes",    "Signed in",    "of Words", "user list",     "never read",      "March",
    "Mar<",           "Wed ",         " pm<",     "lang=\"en\""};

struct ReportCase {
    const char* language;
    QLocale::Language locale;  // the day the report was made, in this locale's month names
    const char* dayFormat;     // and written so
    const char* madeOn;        // the sentence around that day, %1
    std::vector<std::string> holds;
};

const ReportCase kReports[] = {
    {"fr",
     QLocale::French,
     "d MMMM yyyy",
     "D'après le journal des séances, établi le %1.",
     {"<html lang=\"fr\">", "<title>Bilan de lecture : class</title>",
      " 2 enfants ont lu en 3 séances ; les graphiques montrent 2 semaines à partir du 2 mars "
      "2026.",
      "<th>Enfant</th><th>Dernière séance</th><th>Mots</th><th>Phrases</th>",
      "<title>Semaine du 2 mars 2026, Mots : 1 séance, 12 minutes</title>",
      "<td>mer. 11 mars 2026, 14:15<br><span class=\"what\">Phrases, 2 min</span></td>",
      "text-anchor=\"middle\">mars</text>", "<li><b>4 mars 2026:</b> Reads well.</li>",
      "<h2>Autres notes</h2>",
      "Connecté comme Teacher (non compté ci-dessus) : Mots, 1 séance ; Phrases, 0 séance ; "
      "3 minutes en tout.",
      "<h2>Sur la liste de connexion, n'ont jamais lu (1)</h2>"}},
    {"de",
     QLocale::German,
     "d. MMMM yyyy",
     "Aus dem Protokoll der Sitzungen, erstellt am %1.",
     {"<html lang=\"de\">", "<title>Lesebericht: class</title>",
      "2 Kinder haben in 3 Sitzungen gelesen; die Diagramme zeigen 2 Wochen ab dem 2. März 2026.",
      "<title>Woche vom 2. März 2026, Wörter: 1 Sitzung, 12 Minuten</title>",
      "<td>Mi., 11. März 2026, 14:15 Uhr<br>"}},
    {"es",
     QLocale::Spanish,
     "d 'de' MMMM 'de' yyyy",
     "Según el registro de sesiones, hecho el %1.",
     {"<html lang=\"es\">",
      "2 niños leyeron en 3 sesiones; los gráficos muestran 2 semanas desde "
      "el 2 de marzo de 2026.",
      "<title>Semana del 2 de marzo de 2026, Palabras: 1 sesión, 12 minutos</title>",
      "<td>mié 11 mar 2026, 14:15<br>"}},
};

}  // namespace

class DeskLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { kz::ui::removeTranslations(); }

    void windowAndEngineInTheClassLanguage() {
        for (const auto& c : kCases) {
            TempDir tmp;
            const std::string dir = newClass(tmp, "class");
            if (c.classLanguage) writeClassLanguage(dir, c.classLanguage);
            setDesktopLanguage(c.lang);
            QCOMPARE(kz::desk::useClassLanguage(QString::fromStdString(dir), KZ_QM_DIR),
                     QString(c.inForce));

            kz::desk::DeskClass deskClass(kz::fromSystemPath(dir));
            kz::desk::DeskWindow window(deskClass);
            window.show();
            QVERIFY2(window.windowTitle().startsWith(c.seen.title + " - "), c.name);
            QCOMPARE(tabTexts(*window.pages()), c.seen.tabs);
            QCOMPARE(menuTitles(window), c.seen.menus);

            QWidget* children = window.pages()->widget(0);
            QPushButton* add = nullptr;
            for (auto* b : children->findChildren<QPushButton*>()) {
                if (b->text() == c.seen.addButton) add = b;
            }
            QVERIFY2(add != nullptr, c.name);
            QString refusal;
            answerInput("ABCDEFGHIJKLMNOPQ");
            answerMessage(&refusal);
            add->click();
            QCOMPARE(refusal, c.seen.refusal);
            // The refused name left the list as it was.
            QCOMPARE(wq({"users", dir, "list"}).out, std::string("Teacher\n"));

            // Help > Contents: the help documents lie beside this test as beside the desk.
            window.menuBar()->actions().at(1)->menu()->actions().at(0)->trigger();
            auto* help = window.findChild<kz::ui::HelpWindow*>();
            QVERIFY2(help != nullptr, c.name);
            QCOMPARE(help->contentsEntries().value(0), c.seen.helpSection);
            kz::ui::removeTranslations();
        }
    }

    // Before a class is known the first window follows the desktop alone; the class the teacher
    // then opens brings its own language for the desk's window.
    void firstWindowInTheDesktopsLanguageThenTheClasss() {
        TempDir tmp;
        const std::string dir = newClass(tmp, "class");
        writeClassLanguage(dir, "de");
        setDesktopLanguage("es_ES.UTF-8");
        QCOMPARE(kz::desk::useClassLanguage({}, KZ_QM_DIR), QString("es"));
        {
            kz::desk::StartWindow start;
            QCOMPARE(start.windowTitle(), QString("Mesa del maestro"));
            QVERIFY(button(start, "Abrir la carpeta de una clase") != nullptr);
        }
        QCOMPARE(kz::desk::useClassLanguage(QString::fromStdString(dir), KZ_QM_DIR), QString("de"));
        kz::desk::DeskClass deskClass(kz::fromSystemPath(dir));
        kz::desk::DeskWindow window(deskClass);
        QCOMPARE(window.pages()->tabText(0), QString("&Kinder"));
    }

    // The engine's refusals the pages show, each provoked through a real window of a French class:
    // whole French sentences with the folder named, and the same action in English the English.
    void engineRefusalsInTheClassLanguage() {
        for (const char* language : {"fr", "en"}) {
            for (const auto& c : kRefusals) {
                TempDir tmp;
                const std::string dir = newClass(tmp, "class");
                writeClassLanguage(dir, language);
                setDesktopLanguage("C");
                kz::desk::useClassLanguage(QString::fromStdString(dir), KZ_QM_DIR);
                const QString folder =
                    QString::fromStdString(tmp.str()) + "/" + QString::fromUtf8(c.folderName);
                const QString shown = c.provoke(dir, folder);
                const QString expected =
                    QString::fromUtf8(language == std::string("fr") ? c.french : c.english);
                QCOMPARE(shown, expected.contains("%1") ? expected.arg(folder) : expected);
                kz::ui::removeTranslations();
            }
        }
    }

    // The reading report saved from the Progress page: in a translated class every text of the
    // page in the class's language (the day it was made too) and the page declared in it; in
    // English the very page wqadmin writes.
    void savedReportInTheClassLanguage() {
        for (const auto& c : kReports) {
            TempDir tmp;
            const std::string dir = newClass(tmp, "class");
            writeReportLog(dir);
            writeClassLanguage(dir, c.language);
            setDesktopLanguage("C");
            QCOMPARE(kz::desk::useClassLanguage(QString::fromStdString(dir), KZ_QM_DIR),
                     QString(c.language));
            kz::desk::DeskClass deskClass(kz::fromSystemPath(dir));
            kz::desk::DeskWindow window(deskClass);
            const std::string html =
                savedReport(window, QString::fromStdString((tmp / "report.html").string()));
            const QString today =
                QLocale(c.locale).toString(QDate::currentDate(), QString(c.dayFormat));
            QVERIFY2(html.find(QString::fromUtf8(c.madeOn).arg(today).toStdString()) !=
                         std::string::npos,
                     html.c_str());
            for (const auto& part : c.holds) {
                QVERIFY2(html.find(part) != std::string::npos,
                         (c.language + (": " + part)).c_str());
            }
            for (const char* english : kReportEnglish) {
                QVERIFY2(html.find(english) == std::string::npos,
                         (c.language + std::string(": English ") + english).c_str());
            }
            kz::ui::removeTranslations();
        }

        TempDir tmp;
        const std::string dir = newClass(tmp, "class");
        writeReportLog(dir);
        writeClassLanguage(dir, "en");
        setDesktopLanguage("fr_FR.UTF-8");
        QCOMPARE(kz::desk::useClassLanguage(QString::fromStdString(dir), KZ_QM_DIR), QString("en"));
        kz::desk::DeskClass deskClass(kz::fromSystemPath(dir));
        kz::desk::DeskWindow window(deskClass);
        const std::string html =
            savedReport(window, QString::fromStdString((tmp / "report.html").string()));
        const auto written = wq({"report", dir, "--from", "2026-03-01", "--to", "2026-03-31"});
        QCOMPARE(written.status, 0);
        QCOMPARE(html, written.out);
    }

    // A class folder named with accented letters is named with them in the window's title, as
    // the teacher's file manager shows it.
    void anAccentedClassFolderIsNamedAsTyped() {
        TempDir tmp;
        const std::string dir = newClass(tmp, "Élèves de Mme Noël");
        setDesktopLanguage("C");
        kz::desk::useClassLanguage(QString::fromStdString(dir), KZ_QM_DIR);
        kz::desk::DeskClass deskClass(kz::fromSystemPath(dir));
        kz::desk::DeskWindow window(deskClass);
        QCOMPARE(window.windowTitle(), "Teacher's Desk - " + QString::fromStdString(dir));
    }

    // A folder that is no class is refused in the teacher's language, with the path as typed.
    void refusalOfAFolderInTheLanguage() {
        TempDir tmp;
        const QString folder = QString::fromStdString((tmp / "empty").string());
        QDir().mkpath(folder);
        setDesktopLanguage("de_DE.UTF-8");
        kz::desk::useClassLanguage(folder, KZ_QM_DIR);
        QCOMPARE(kz::desk::classFolderProblem(folder),
                 folder +
                     " ist kein Klassenordner: Er enthält keine allgemeine "
                     "Einstellungsdatei GLOBSET.WQ (wqadmin init legt eine an).");
        kz::ui::removeTranslations();
        QCOMPARE(kz::desk::classFolderProblem(folder),
                 folder +
                     " is not an installation: it holds no global settings file "
                     "GLOBSET.WQ (wqadmin init makes one).");
    }
};

QTEST_MAIN(DeskLanguageTest)
#include "desk_language_test.moc"
