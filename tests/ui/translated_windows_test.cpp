#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "display_check_dialog.h"
#include "files/shown_text.h"
#include "files/word_list.h"
#include "press_button.h"
#include "qt_ports.h"
#include "qt_text.h"
#include "recovery_dialog.h"
#include "session/app_state.h"
#include "session/display_check.h"
#include "session/fatal_error.h"
#include "startup_window.h"
#include "translations.h"
#include "ui_host.h"

using namespace kz;
using namespace kz::ui;

// The windows in the class's language: the compiled translations of this build (KZ_QM_DIR), the
// core's sentences reaching the windows translated with their arguments in place, and English
// whole again once the translations are taken away.
class TranslatedWindowsTest : public QObject {
    Q_OBJECT
    MessageService m_messages;
    SystemClock m_clock;

private slots:
    void cleanup() { removeTranslations(); }

    void theRecoveryDialogSaysWhereTheFileIsInTheLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("details");
        QTest::addColumn<QString>("button");
        QTest::newRow("fr") << "fr"
                            << "Le fichier introuvable est\n"
                            << "&Réessayer";
        QTest::newRow("es") << "es"
                            << "El archivo que no se encuentra es\n"
                            << "&Reintentar";
        QTest::newRow("de") << "de"
                            << "Diese Datei wurde nicht gefunden:\n"
                            << "&Erneut versuchen";
    }
    void theRecoveryDialogSaysWhereTheFileIsInTheLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, details);
        QFETCH(QString, button);
        QCOMPARE(installTranslations(language, KZ_QM_DIR, "kiv"), language);
        AppState state;
        state.dataDir = "/school/data";
        state.appDir = "/school/kiv";
        RecoveryDialog d(nullptr, state, "DATA\\X.DAT", m_messages, m_clock);
        d.show();
        QCOMPARE(d.findChild<QPushButton*>("cmdAgain")->text(), button);
        d.findChild<QPushButton*>("cmdDetails")->click();
        // The label shows CR LF line ends as the message boxes do; compare its lines.
        const QString text = d.findChild<QLabel*>("lblInstr")->text().remove('\r');
        QVERIFY2(text.startsWith(details), qPrintable(text));
        // The three places, each on its own line where the sentence puts it, none left as "%n".
        QVERIFY2(text.contains("\nDATA/X.DAT\n"), qPrintable(text));
        QVERIFY2(text.contains("\n/SCHOOL/DATA\n"), qPrintable(text));
        QVERIFY2(text.contains("\n/SCHOOL/KIV\n"), qPrintable(text));
        QVERIFY(!text.contains('%'));
        d.close();
    }

    void theColourWarningCountsTheColoursInTheLanguage() {
        const struct {
            const char* language;
            const char* words;
            const char* title;
        } cases[] = {{"fr", "n'en affiche actuellement que 16.", "Logiciel WQ Story Books"},
                     {"es", "solo muestra ahora 16 colores.", "Programa WQ Story Books"},
                     {"de", "zeigt zurzeit nur 16 Farben.", "WQ Story Books Software"}};
        for (const auto& c : cases) {
            QCOMPARE(installTranslations(c.language, KZ_QM_DIR, "zan"), QString(c.language));
            AppState state;
            UiHost host;
            DisplayCheckDialog d(nullptr, state, host, DisplayWarning::Colour, 4);
            const QString text = d.findChild<QLabel*>("Label1")->text();
            QVERIFY2(text.contains(QString::fromUtf8(c.words)), qPrintable(text));
            QCOMPARE(d.windowTitle(), QString::fromUtf8(c.title));
        }
    }

    void coreSentencesKeepTheirArgumentsAndTheirLineEnds() {
        installTranslations("de", KZ_QM_DIR, "kiv");
        // A path holding a marker of its own stays as it is: the arguments go in in one pass.
        const FatalMessage fatal = fatalMessage({"file", "/daten/%2/BAER.DAT"}, "/daten");
        QCOMPARE(fromFileText(fatal.text),
                 QString::fromUtf8("Schwerer Fehler.\r\n\r\nDiese Datei fehlt oder ist nicht "
                                   "erreichbar:\r\n\r\n/daten/%2/BAER.DAT\r\n\r\nInstallieren Sie "
                                   "die Software bei Bedarf neu."));
        QCOMPARE(fromFileText(wordListMessage(WordListOutcome::TooFewWords, "/w/TIERE.TXT")),
                 QString::fromUtf8("Die Datei\r\n\r\n/w/TIERE.TXT\r\n\r\nenthält nicht genug "
                                   "Wörter."));
        removeTranslations();
        QCOMPARE(wordListMessage(WordListOutcome::TooFewWords, "/w/TIERE.TXT"),
                 std::string("The file\r\n\r\n/w/TIERE.TXT\r\n\r\ndoes not contain enough words."));
    }

    void aLanguageWithoutItsFilesLeavesEverythingEnglish() {
        QCOMPARE(installTranslations("it", KZ_QM_DIR, "kiv"), QString("en"));
        QCOMPARE(translate("kz::Password", "Wrong password"), std::string("Wrong password"));
        QCOMPARE(QCoreApplication::translate("kz::ui::RecoveryDialog", "&Try again"),
                 QString("&Try again"));
        // A program whose own file is missing is not half translated either.
        QCOMPARE(installTranslations("fr", KZ_QM_DIR, "nosuchprogram"), QString("en"));
        QCOMPARE(translate("kz::Password", "Wrong password"), std::string("Wrong password"));
    }

    // The activity's and the reader's big buttons are 705 twips wide, 47 pixels on a 640 by 480
    // screen: "Écouter" or "Seguir" at the English caption's size would be cut to "É...r".
    void aButtonCaptionTooWideIsDrawnSmallerNotCut() {
        const struct {
            const char* caption;
            bool smaller;
        } cases[] = {{"&See", false}, {"&Next", false}, {"É&couter", true}, {"&Seguir", true}};
        QFont inPixels("Arial");  // as the windows size their fonts
        inPixels.setPixelSize(16);
        for (const QFont& given : {QFont("Arial", 12), inPixels}) {
            for (const auto& c : cases) {
                PressButton b;
                b.setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
                b.setFont(given);
                b.setText(QString::fromUtf8(c.caption));
                b.resize(47, 110);
                const QFont font = b.captionFont();
                const QString shown = QString::fromUtf8(c.caption).remove('&');
                QVERIFY2(QFontMetrics(font).horizontalAdvance(shown) <= b.width() - 10, c.caption);
                QCOMPARE(QFontInfo(font).pixelSize() < QFontInfo(given).pixelSize(), c.smaller);
            }
        }
    }

    // The About box's OK is small; Spanish says "Aceptar", which was cut to "Acepta". Its
    // version line names a month, which was left in English.
    void theAboutBoxIsInTheLanguageWithItsWholeOk() {
        const struct {
            const char* language;
            const char* version;
        } cases[] = {{"en", "Version 3.10 December 2010"},
                     {"fr", "Version 3.10 d\u00e9cembre 2010"},
                     {"es", "Versi\u00f3n 3.10 diciembre de 2010"},
                     {"de", "Version 3.10 Dezember 2010"}};
        for (const auto& c : cases) {
            installTranslations(c.language, KZ_QM_DIR, "zan");
            StartupWindow about(StartupWindow::Role::About);
            const auto* ok = about.findChild<QPushButton*>();
            QVERIFY(ok);
            QVERIFY2(ok->fontMetrics().horizontalAdvance(ok->text()) + 8 <= ok->width(),
                     qPrintable(ok->text()));
            QVERIFY2(about.rect().contains(ok->geometry()), c.language);
            QStringList shown;
            for (const auto* label : about.findChildren<QLabel*>()) shown << label->text();
            QVERIFY2(shown.contains(QString::fromUtf8(c.version)), qPrintable(shown.join('|')));
        }
    }

    void qtsOwnButtonsFollowTheLanguage() {
        const struct {
            const char* language;
            const char* cancel;
        } cases[] = {{"fr", "&Annuler"}, {"es", "&Cancelar"}, {"de", "&Abbrechen"}};
        for (const auto& c : cases) {
            installTranslations(c.language, KZ_QM_DIR, "kiv");
            QMessageBox box;
            box.setStandardButtons(QMessageBox::Cancel);
            QCOMPARE(box.button(QMessageBox::Cancel)->text().remove('&'),
                     QString::fromUtf8(c.cancel).remove('&'));
        }
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "translated_windows_test.moc"
