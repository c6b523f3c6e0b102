#include "main_frame.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>
#include <deque>

#include "fake_ports.h"
#include "fake_wave_player.h"
#include "files/global_settings.h"
#include "files/tracking_log.h"
#include "files/user_settings.h"
#include "help_window.h"
#include "message_service.h"
#include "session/app_state.h"
#include "session/class_language.h"
#include "startup_window.h"
#include "temp_dir.h"
#include "twips.h"
#include "ui_host.h"
#include "ui_test_support.h"

using namespace kz;
using namespace kz::ui;

namespace {

// An installation in a temporary folder, a frame on it, a clock that moves only when told, and
// retry waits that take no real time.
struct Installation {
    test::TempDir dir;
    AppState state;
    UiHost host;
    test::FakeClock* clock = nullptr;  // 10:00 when the frame is made
    std::vector<int> pauses;
    std::vector<MessageRequest> messages;
    std::deque<MessageAnswer> answers;
    std::vector<FakeWavePlayer*> players;

    Installation() {
        state.appDir = state.dataDir = dir.str();
        state.global.setLogSessions(1);
        UserSettings teacher;
        teacher.setKivWordlist("0009TO24");
        teacher.setZanStory("01PIP");
        dir.write("TEACHER.WQ", teacher.encode());
        dir.write("LOG.WQ", std::string(2, '\0'));
        host.pauser = [this](int ms) { pauses.push_back(ms); };
        host.messages().setResponder([this](const MessageRequest& r) {
            messages.push_back(r);
            if (answers.empty())
                return r.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
            const auto a = answers.front();
            answers.pop_front();
            return a;
        });
    }

    std::unique_ptr<MainFrame> frame(const ProgramInfo& info) {
        MainFrame::Ports ports;
        ports.makePlayer = [this] {
            auto p = std::make_unique<FakeWavePlayer>();
            players.push_back(p.get());
            return p;
        };
        ports.random = std::make_unique<test::ScriptedRandom>();
        auto fakeClock = std::make_unique<test::FakeClock>();
        clock = fakeClock.get();
        ports.clock = std::move(fakeClock);
        ports.colourDepth = [] { return 32; };
        ports.arialAvailable = [] { return true; };
        return std::make_unique<MainFrame>(state, host, info, std::move(ports));
    }

    std::string logText() { return decodeLogText(dir.read("LOG.WQ")).value_or("<damaged>"); }
};

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void loadTakesTheSharedSettings() {
        Installation inst;
        auto frame = inst.frame(kivProgram());
        QVERIFY(frame->load());
        QCOMPARE(frame->windowTitle(), QString("Words"));
        QCOMPARE(inst.state.userName, std::string("Unknown"));
        QVERIFY(inst.state.started);
        QCOMPARE(inst.state.workSettings.kivWordlist(), std::string("0009TO24"));
        QCOMPARE(inst.state.wordRange, std::string("0009TO24"));
        QVERIFY(inst.state.workSettings == inst.state.fileSettings);
        QVERIFY(inst.messages.empty());
    }

    void displayCheckAtLoad() {
        // Enough colours: a "do not warn" choice is cleared silently, so a later poor display
        // warns again.
        Installation enough;
        enough.dir.write("GLOBSET.WQ", std::string(GlobalSettings::kSize, ' '));
        enough.state.global.setOmitColourWarning(-1);
        auto frame = enough.frame(kivProgram());
        QVERIFY(frame->load());
        QCOMPARE(int(enough.state.global.omitColourWarning()), 0);
        QCOMPARE(int(GlobalSettings::decode(enough.dir.read("GLOBSET.WQ")).omitColourWarning()), 0);

        // Too few colours and no Arial: both warnings, colour first.
        Installation poor;
        poor.dir.write("GLOBSET.WQ", std::string(GlobalSettings::kSize, ' '));
        MainFrame::Ports ports;
        ports.makePlayer = [] { return std::make_unique<FakeWavePlayer>(); };
        ports.random = std::make_unique<test::ScriptedRandom>();
        ports.colourDepth = [] { return 4; };
        ports.arialAvailable = [] { return false; };
        MainFrame poorFrame(poor.state, poor.host, zanProgram(), std::move(ports));
        QStringList seen;
        auto answer = [&seen](QWidget* w) {
            seen << w->findChild<QLabel*>("Label1")->text().left(20);
            w->findChild<QPushButton*>("Command1")->click();
        };
        test::whenModal([&](QWidget* w) {
            answer(w);
            test::whenModal(answer);
        });
        QVERIFY(poorFrame.load());
        QCOMPARE(seen, QStringList({"The WQ software incl", "This software needs "}));
    }

    void menusAreTheFramesUntilAChildBringsItsOwn() {
        Installation inst;
        auto frame = inst.frame(zanProgram());
        QStringList titles;
        for (QAction* a : frame->menuBar()->actions()) titles << a->text();
        QCOMPARE(titles, QStringList({"&File", "&Help"}));
        QStringList help;
        for (QAction* a : frame->findChild<QMenu*>("mnuHelp")->actions()) help << a->text();
        QCOMPARE(help, QStringList({"&Contents", "&Search for help on...", "",
                                    "&About WQ Story Books..."}));
        auto* childMenu = new QMenu("&Settings");
        frame->setChild(new QWidget, {childMenu});
        // Only the child's menus are in the bar, so access keys such as Alt+F are never shared.
        QStringList inBar;
        for (QAction* a : frame->menuBar()->actions()) inBar << a->text();
        QCOMPARE(inBar, QStringList({"&Settings"}));
        frame->setChild(new QWidget, {});
        inBar.clear();
        for (QAction* a : frame->menuBar()->actions()) inBar << a->text();
        QCOMPARE(inBar, QStringList({"&File", "&Help"}));
    }

    // The title shows the child window's caption after the program's, as a frame shows its
    // child's: the list or story loaded, or the settings window's own caption.
    void titleShowsTheChildsCaption() {
        Installation inst;
        auto frame = inst.frame(kivProgram());
        QCOMPARE(frame->windowTitle(), QString("Words"));
        auto* activity = new QWidget;
        frame->setChild(activity, {});
        const struct {
            const char* child;
            const char* frame;
        } rows[] = {{"Books 1 to 24", "Words - Books 1 to 24"}, {"", "Words"}, {"  ", "Words"}};
        for (const auto& r : rows) {
            activity->setWindowTitle(r.child);
            QCOMPARE(frame->windowTitle(), QString(r.frame));
        }
        auto* settings = new QWidget;
        settings->setWindowTitle("Settings");
        frame->setChild(settings, {});
        QCOMPARE(frame->windowTitle(), QString("Words - Settings"));
        activity->setWindowTitle("Books 25 to 48");  // a child that has left says nothing more
        QCOMPARE(frame->windowTitle(), QString("Words - Settings"));
    }

    // F1 opens the help, F11 fills the screen and gives the window back; a lone Alt leaves the
    // keys with the child window instead of a menu bar that shows nothing.
    void keysEveryDesktopProgramHas() {
        Installation inst;
        inst.dir.write("kiv-help.html", "<h1>Words</h1><h2 id=\"a\">Playing</h2><p>x</p>");
        auto frame = inst.frame(kivProgram());
        auto* box = new QLineEdit;
        auto* menu = new QMenu("&Questions");
        menu->addAction("&One");
        frame->setChild(box, {menu});
        frame->showMaximized();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());

        QTest::keyClick(frame->windowHandle(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClick(frame->windowHandle(), Qt::Key_A);
        QCOMPARE(box->text(), QString("a"));
        QTest::keyClick(frame->windowHandle(), Qt::Key_Q, Qt::AltModifier);
        QMenu* open = nullptr;
        QTRY_VERIFY((open = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QTest::keyClick(open, Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(frame->windowHandle(), Qt::Key_B);
        QCOMPARE(box->text(), QString("ab"));

        QTest::keyClick(frame->windowHandle(), Qt::Key_F11);
        QTRY_VERIFY(frame->isFullScreen());
        QTest::keyClick(frame->windowHandle(), Qt::Key_F11);
        QTRY_VERIFY(!frame->isFullScreen() && frame->isMaximized());
        QTest::keyClick(frame->windowHandle(), Qt::Key_F1);
        QTRY_VERIFY(frame->help().isVisible());
        frame->help().close();
    }

    // F1 opens the help of the class's language where a translation sits beside the English
    // document, and the English one where none does.
    void helpOpensInTheClassLanguage() {
        Installation inst;
        inst.dir.write("kiv-help.html", "<h2 id=\"a\">Playing</h2><p>x</p>");
        inst.dir.write("kiv-help.de.html", "<h2 id=\"a\">Spielen</h2><p>x</p>");
        inst.dir.write("zan-help.html", "<h2 id=\"a\">Reading</h2><p>x</p>");
        inst.dir.write("zan-help.fr.html", "<h2 id=\"a\">Lire</h2><p>x</p>");
        QVERIFY(setClassLanguage(inst.dir.str(), "de"));
        for (const auto& [program, heading] : {std::pair{kivProgram(), QString("Spielen")},
                                               std::pair{zanProgram(), QString("Reading")}}) {
            auto frame = inst.frame(program);
            frame->setChild(new QWidget, {});
            frame->show();
            QVERIFY(QTest::qWaitForWindowActive(frame.get()));
            QTest::keyClick(frame->windowHandle(), Qt::Key_F1);
            QTRY_VERIFY(frame->help().isVisible());
            QCOMPARE(frame->help().contentsEntries(), QStringList{heading});
            frame->help().close();
        }
    }

    void firstActivationSetsTheScale() {
        Installation inst;
        auto frame = inst.frame(kivProgram());
        QVERIFY(frame->load());
        QSignalSpy activated(frame.get(), &MainFrame::activatedFirstTime);
        frame->showMaximized();
        QVERIFY(activated.wait(2000));
        const QSize client = frame->centralWidget()->size();
        const double tpp = twipsPerPixel(frame.get());
        QCOMPARE(inst.state.scaleX, static_cast<float>(client.width() * tpp / 9600));
        QCOMPARE(inst.state.scale, std::min(inst.state.scaleX, inst.state.scaleY));
    }

    void unloadWritesTheSessionEntry_data() {
        QTest::addColumn<bool>("activity");
        QTest::addColumn<int>("logSessions");
        QTest::addColumn<bool>("logged");
        QTest::newRow("session with logging") << true << 1 << true;
        QTest::newRow("logging off") << true << 0 << false;
        QTest::newRow("logging value 2") << true << 2 << false;
        QTest::newRow("no activity window") << false << 1 << false;
    }
    void unloadWritesTheSessionEntry() {
        QFETCH(bool, activity);
        QFETCH(int, logSessions);
        QFETCH(bool, logged);
        Installation inst;
        inst.state.global.setLogSessions(static_cast<int16_t>(logSessions));
        auto frame = inst.frame(zanProgram());
        QVERIFY(frame->load());
        inst.state.sessionActivity = activity;
        inst.clock->start += 700;
        frame->unload();
        frame->unload();  // once only
        const std::string text = inst.logText();
        QCOMPARE(!text.empty(), logged);
        if (logged) {
            QVERIFY(text.find("Log for Unknown\r\n\r\n") != std::string::npos);
            QVERIFY(text.find(".  Session time: 12 minutes.\r\n   Phrases      " +
                              std::string(30, ' ') + " 12 mins\r\n\r\n") != std::string::npos);
        }
        QCOMPARE(inst.players.size(), size_t{2});
        for (auto* p : inst.players) QCOMPARE(p->commands().back(), std::string("Close"));
    }

    void unloadRetriesThenAsks() {
        Installation inst;
        auto frame = inst.frame(kivProgram());
        QVERIFY(frame->load());
        inst.state.sessionActivity = true;
        std::filesystem::remove(inst.dir / "LOG.WQ");
        inst.answers = {MessageAnswer::Yes, MessageAnswer::No};
        frame->unload();
        QCOMPARE(inst.pauses.size(), size_t{12});
        QCOMPARE(inst.messages.size(), size_t{2});
        QCOMPARE(inst.messages[0].caption, QString("Can't write to log"));
        QCOMPARE(inst.messages[0].buttons, MessageButtons::YesNo);
        QCOMPARE(inst.messages[0].icon, MessageIcon::Exclamation);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void playersServeTheirRolesAndCloseInOrder() {
        struct Case {
            ProgramInfo info;
            const char *word, *other, *closedFirst;
        };
        for (const Case& c : {Case{kivProgram(), "MM_word", "MM_No", "MM_No"},
                              Case{zanProgram(), "MM_Word", "MM_Sentence", "MM_Word"}}) {
            Installation inst;
            auto frame = inst.frame(c.info);
            const ProgramPorts ports = frame->programPorts();
            QCOMPARE(&ports.wordPlayer, &frame->player(c.word));
            QCOMPARE(&ports.clickOrPagePlayer, &frame->player(c.other));
            QVERIFY(&ports.wordPlayer != &ports.clickOrPagePlayer);
            QCOMPARE(static_cast<WavePlayer*>(inst.players.at(0)), &frame->player(c.closedFirst));
        }
    }

    void startupWindowKeepsItsShareOfTheScreen() {
        StartupWindow w(StartupWindow::Role::Startup);
        const QRect screen = w.screen()->geometry();
        const double tpp = twipsPerPixel(&w);
        const DialogFrame d = dialogFrame(int(screen.width() * tpp), int(screen.height() * tpp));
        QCOMPARE(w.width(), twipsToPixels(d.width, &w));
        QCOMPARE(w.height(), twipsToPixels(d.height, &w));
        QVERIFY(!w.findChild<QPushButton*>()->isVisibleTo(&w));
        StartupWindow about(StartupWindow::Role::About);
        QVERIFY(about.findChild<QPushButton*>()->isVisibleTo(&about));
        QVERIFY(about.isModal());
    }

    void helpWindowContentsAndSearch() {
        test::TempDir dir;
        dir.write("kiv-help.html",
                  "<h1>Words</h1><h2 id=\"a\" title=\"frog, lily pad\">Playing</h2><p>x</p>"
                  "<h2 id=\"b\">For the <b>teacher</b></h2>");
        HelpWindow help("Words Help", dir.str() + "\\KIV-HELP.HTML");
        help.showSearch();
        QCOMPARE(help.contentsEntries(), QStringList({"Playing", "For the teacher"}));
        QCOMPARE(help.indexEntries(),
                 QStringList({"For the teacher", "frog", "lily pad", "Playing"}));
        auto* box = help.findChild<QLineEdit*>();
        QVERIFY(box->text().isEmpty());
        QTest::keyClicks(box, "pad");
        QCOMPARE(help.indexEntries(), QStringList({"lily pad"}));
        help.showSearch();
        QVERIFY(box->text().isEmpty());
        help.close();
    }

    // Ctrl with plus or minus sizes the help's text; Esc closes the help.
    void helpWindowKeys() {
        test::TempDir dir;
        dir.write("kiv-help.html", "<h1>Words</h1><h2 id=\"a\">Playing</h2><p>x</p>");
        HelpWindow help("Words Help", dir.str() + "\\kiv-help.html");
        help.showContents();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        auto* text = help.findChild<QTextBrowser*>();
        const double before = text->font().pointSizeF();
        QTest::keyClick(help.windowHandle(), Qt::Key_Plus, Qt::ControlModifier);
        QTRY_VERIFY(text->font().pointSizeF() > before);
        QTest::keyClick(help.windowHandle(), Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(help.windowHandle(), Qt::Key_Minus, Qt::ControlModifier);
        QTRY_VERIFY(text->font().pointSizeF() < before);
        QTest::keyClick(help.windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!help.isVisible());
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
