#include "main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QProxyStyle>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <array>

#include "dialogs.h"
#include "fatal.h"
#include "files/paths.h"
#include "files/user_settings.h"
#include "help_window.h"
#include "ports/seeded_random.h"
#include "ports/wave_player.h"
#include "qt_text.h"
#include "session/app_state.h"
#include "session/find_data_file.h"
#include "session/session_start.h"
#include "session/startup.h"
#include "startup_window.h"
#include "twips.h"
#include "ui_host.h"
#include "window_style.h"

namespace kz::ui {

namespace {

// The menu bar never takes the keyboard on a lone Alt (or when Esc closes a menu opened with
// Alt+F): the style here draws no mark on a menu title that has the keyboard, so the child's
// letters and the keys 1 to 4 would vanish with nothing shown. Alt+F and the other access keys
// still open the menus.
class MenuBarStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_MenuBar_AltKeyNavigation) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

ProgramInfo kivProgram() {
    return {Program::Kiv, "Words", "kiv-help.html", "Words", "MM_word", "MM_No", false};
}

ProgramInfo zanProgram() {
    return {Program::Zan, "Phrases", "zan-help.html", "Phrases", "MM_Word", "MM_Sentence", true};
}

ProgramInfo translatedInfo(ProgramInfo info) {
    // The captions as the two programs name themselves; the log's activity names stay English.
    static const char* const captions[] = {QT_TRANSLATE_NOOP("kz::ui::MainFrame", "Words"),
                                           QT_TRANSLATE_NOOP("kz::ui::MainFrame", "Phrases")};
    for (const char* caption : captions) {
        if (info.caption == QLatin1String(caption)) {
            info.caption = QCoreApplication::translate("kz::ui::MainFrame", caption);
        }
    }
    return info;
}

MainFrame::MainFrame(AppState& state, UiHost& host, ProgramInfo info, Ports ports)
    : m_state(state), m_host(host), m_info(std::move(info)), m_ports(std::move(ports)) {
    if (!m_ports.clock) m_ports.clock = std::make_unique<SystemClock>();
    if (!m_ports.random) {
        m_ports.random = std::make_unique<SeededRandom>(
            static_cast<uint32_t>(m_ports.clock->secondsSinceMidnight() * 1000));
    }
    m_host.setClock(m_ports.clock.get());  // the dialogs read the same clock
    setObjectName(m_info.program == Program::Kiv ? "frmKivbig" : "frmZanbig");
    setWindowTitle(m_info.caption);
    // Made in the order they are closed at the end.
    const std::string& word = m_info.wordPlayer;
    const std::string& other = m_info.clickOrPagePlayer;
    for (const auto& name :
         m_info.wordPlayerClosedFirst ? std::array{word, other} : std::array{other, word}) {
        m_players.emplace_back(name, m_ports.makePlayer());
    }
    auto* client = new QWidget;
    client->setObjectName("client");
    setWindowColours(client, QColor(128, 128, 128), Qt::black);  // an empty client area
    setCentralWidget(client);
    buildMenus();
}

MainFrame::~MainFrame() { m_host.setClock(nullptr); }

void MainFrame::buildMenus() {
    auto* style = new MenuBarStyle;
    style->setParent(menuBar());
    menuBar()->setStyle(style);
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("mnuFile");
    QAction* exit = file->addAction(tr("E&xit"), this, &QWidget::close);
    exit->setObjectName("mnuExit");
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("mnuHelp");
    help->addAction(tr("&Contents"), this, [this] { this->help().showContents(); })
        ->setObjectName("mnuHelpContents");
    help->addAction(tr("&Search for help on..."), this, [this] { this->help().showSearch(); })
        ->setObjectName("mnuHelpSearch");
    help->addSeparator()->setObjectName("mnuBlank");
    help->addAction(tr("&About WQ Story Books..."), this, [this] { showAbout(this); })
        ->setObjectName("mnuHelpAbout");
    m_frameMenus = {file, help};
    // Whichever child window is loaded: F1 opens the help, F11 fills the screen (no title bar,
    // no desktop behind the child's window) and back.
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    helpKey->setObjectName("keyHelp");
    connect(helpKey, &QShortcut::activated, this, [this] { this->help().showContents(); });
    auto* fullScreenKey = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreenKey->setObjectName("keyFullScreen");
    connect(fullScreenKey, &QShortcut::activated, this, &MainFrame::toggleFullScreen);
}

void MainFrame::toggleFullScreen() {
    if (isFullScreen())
        showMaximized();
    else
        showFullScreen();
}

// A hidden menu keeps its access key, and two "&File" menus would make Alt+F do nothing, so the
// frame's menus leave the bar while a child window's menus are in it.
void MainFrame::showFrameMenus(bool show) {
    for (QMenu* menu : m_frameMenus) menuBar()->removeAction(menu->menuAction());
    if (!show) return;
    for (QMenu* menu : m_frameMenus) menuBar()->addMenu(menu);
}

void MainFrame::setChild(QWidget* child, const QList<QMenu*>& menus) {
    for (QMenu* menu : m_childMenus) menuBar()->removeAction(menu->menuAction());
    if (m_child && m_child != child) m_child->deleteLater();
    m_child = child;
    m_childMenus = menus;
    // The frame's title shows the child window's caption, as a frame shows its child window's:
    // the loaded word list or story, or the settings window's own caption.
    disconnect(m_childCaption);
    if (child) {
        m_childCaption =
            connect(child, &QWidget::windowTitleChanged, this, &MainFrame::showChildCaption);
    }
    showChildCaption();
    for (QMenu* menu : menus) menuBar()->addMenu(menu);
    showFrameMenus(menus.isEmpty());
    if (child) {
        takeCentralWidget();
        setCentralWidget(child);
    }
}

void MainFrame::showChildCaption() {
    const QString caption = m_child ? m_child->windowTitle().trimmed() : QString();
    setWindowTitle(caption.isEmpty() ? m_info.caption : m_info.caption + " - " + caption);
}

ProgramPorts MainFrame::programPorts() {
    return {m_timers,      player(m_info.wordPlayer), player(m_info.clickOrPagePlayer),
            m_textMeasure, *m_ports.random,           *m_ports.clock,
            m_host};
}

WavePlayer& MainFrame::player(const std::string& name) {
    for (auto& [n, p] : m_players) {
        if (n == name) return *p;
    }
    return *m_players.front().second;
}

HelpWindow& MainFrame::help() {
    if (!m_help) {
        m_help = new HelpWindow(m_info.caption + tr(" Help"),
                                helpDocumentPath(m_state.appDir, m_info.helpDocument), this);
    }
    return *m_help;
}

void MainFrame::placeOnScreen() {
    const QRect screen =
        this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 640, 480);
    setGeometry(screen.x() + screen.width() / 6, screen.y() + screen.height() / 6,
                screen.width() * 2 / 3, screen.height() * 2 / 3);
}

void MainFrame::runDisplayCheck() {
    const DisplayCheck check =
        checkDisplay(m_ports.colourDepth(), m_ports.arialAvailable(),
                     m_state.global.omitColourWarning(), m_state.global.omitFontWarning());
    if (check.clearOmitColour) {
        saveGlobalSettings(m_state, m_host, false,
                           [](GlobalSettings& g) { g.setOmitColourWarning(0); });
    }
    if (check.warnColour) {
        runDisplayCheckDialog(this, m_state, m_host, DisplayWarning::Colour, m_ports.colourDepth());
    }
    if (check.warnFont) {
        runDisplayCheckDialog(this, m_state, m_host, DisplayWarning::Font);
    }
}

bool MainFrame::load() {
    placeOnScreen();
    runDisplayCheck();
    const SessionStart start = startSession(m_state, *m_ports.clock, [this] {
        if (m_ports.closeStartupWindow) m_ports.closeStartupWindow();
        std::optional<std::string> name;
        const NameAnswer answer = runSignInDialog(this, m_state, m_host);
        if (answer.choice == NameChoice::Chosen) name = answer.name;
        return name;
    });
    switch (start.outcome) {
        case SessionStart::Outcome::Quit:
            return false;
        case SessionStart::Outcome::SettingsMissing:
            fatalError(start.error);
        case SessionStart::Outcome::Started:
            break;
    }
    m_session = start;
    return true;
}

void MainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_activated) return;
    // The scale factors need the maximised client size, which the window system grants a little
    // later than it is asked for; one that never grants it is given a moment, then the size it
    // gave is used.
    m_placedSize = size();
    if (!isMaximized()) showMaximized();
    QTimer::singleShot(500, this, &MainFrame::firstActivation);
}

void MainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!m_activated && isVisible() && isMaximized() && event->size() != m_placedSize) {
        QTimer::singleShot(0, this, &MainFrame::firstActivation);
    }
}

void MainFrame::firstActivation() {
    if (m_activated) return;
    m_activated = true;
    const QSize client = centralWidget()->size();
    const ScaleFactors f =
        scaleFactors(pixelsToTwips(client.width(), this), pixelsToTwips(client.height(), this));
    m_state.scaleX = f.x;
    m_state.scaleY = f.y;
    m_state.scale = f.scale;
    if (m_ports.makeChild) {
        if (QWidget* child = m_ports.makeChild({programPorts(), m_state, *this})) {
            setChild(child, {});
        }
    }
    if (m_ports.closeStartupWindow) m_ports.closeStartupWindow();
    emit activatedFirstTime();
}

void MainFrame::unload() {
    if (m_unloaded) return;
    m_unloaded = true;
    if (m_help) m_help->close();
    for (auto& [name, p] : m_players) p->command(SoundCommand::Close);
    endSession(m_state, m_host, *m_ports.clock, *m_ports.random, m_session, m_info.activity);
}

void MainFrame::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
    QApplication::quit();
}

}  // namespace kz::ui
