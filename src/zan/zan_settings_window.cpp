#include "zan_settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "dialogs.h"
#include "fatal.h"
#include "help_window.h"
#include "main_frame.h"
#include "qt_text.h"
#include "session/app_state.h"
#include "session/startup.h"
#include "startup_window.h"
#include "twips.h"
#include "ui_host.h"
#include "window_style.h"

namespace kz::zan {
namespace {

// A control's design rectangle (twips of a 9600 x 6630 window) and font size.
struct Design {
    int left, top, width, height;
    double points;
};

constexpr Design kOwner{360, 240, 5400, 780, 14};
constexpr Design kApply{360, 1050, 5400, 360, 10};
constexpr Design kShape1{240, 1560, 5640, 4380, 0};
constexpr Design kStoryLabel{480, 1740, 5160, 360, 10};
constexpr Design kStoryList{480, 2130, 5160, 420, 10};
constexpr Design kChecks[4] = {{480, 2820, 5160, 420, 10},
                               {480, 3360, 5160, 420, 10},
                               {480, 3900, 5160, 420, 10},
                               {480, 4440, 5160, 420, 10}};
constexpr Design kShape2{6120, 240, 3240, 5700, 0};
constexpr Design kExplain{6300, 420, 2880, 2940, 9};
constexpr Design kOk{6300, 3600, 1080, 600, 10};
constexpr Design kOkLabel{7500, 3600, 1740, 660, 9};
constexpr Design kCancel{6300, 4620, 1080, 600, 10};
constexpr Design kCancelLabel{7500, 4620, 1740, 900, 9};

// Check3D1, Check3D4, Check3D3, Check3D2 switch bits 0, 1, 2 and 3 off when cleared.
constexpr const char* kCheckNames[4] = {"Check3D1", "Check3D4", "Check3D3", "Check3D2"};
constexpr const char* kCheckCaptions[4] = {
    QT_TRANSLATE_NOOP("kz::zan::ZanSettingsWindow", "User can load other stories"),
    QT_TRANSLATE_NOOP("kz::zan::ZanSettingsWindow", "Correctly selected words are spoken"),
    QT_TRANSLATE_NOOP("kz::zan::ZanSettingsWindow", "User can click to hear whole page"),
    QT_TRANSLATE_NOOP("kz::zan::ZanSettingsWindow", "Whole page spoken at start")};

const char* kExplanation = QT_TRANSLATE_NOOP(
    "kz::zan::ZanSettingsWindow",
    "The story reader can be used with the red level (books 1 to 16) and the yellow level "
    "(books 17 to 32).\n\nHere you choose the story loaded when the software starts, whether the "
    "user can load other stories, and which of the optional sounds and clues are on.");

}  // namespace

ZanSettingsWindow::ZanSettingsWindow(ui::MainFrame& frame, std::vector<std::string> storyFiles,
                                     std::function<void()> closed)
    : m_frame(frame),
      m_editor(frame.state(), frame.host(), *this, std::move(storyFiles)),
      m_closed(std::move(closed)) {
    setObjectName("frmZanSet");
    setWindowTitle(tr("Settings"));
    ui::setWindowColours(this, QColor(192, 192, 192), Qt::black);
    buildControls();
    buildMenus();
}

ZanSettingsWindow::~ZanSettingsWindow() { qDeleteAll(m_menus); }

void ZanSettingsWindow::buildControls() {
    auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setWordWrap(true);
        return l;
    };
    auto* shape1 = new QFrame(this);
    shape1->setObjectName("Shape1");
    shape1->setFrameShape(QFrame::Box);
    auto* shape2 = new QFrame(this);
    shape2->setObjectName("Shape2");
    shape2->setFrameShape(QFrame::Box);
    m_owner = label("lblOwner", {});
    m_apply = label("lblapply", tr("Apply to"));
    label("Label4", tr("Story loaded when software starts:"));
    m_stories = new QComboBox(this);
    m_stories->setObjectName("combo_file");
    connect(m_stories, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_filling && index >= 0) m_editor.chooseStory(index);
    });
    for (int i = 0; i < 4; ++i) {
        m_checks[i] = new QCheckBox(tr(kCheckCaptions[i]), this);
        m_checks[i]->setObjectName(kCheckNames[i]);
        connect(m_checks[i], &QCheckBox::toggled, this, &ZanSettingsWindow::checksChanged);
    }
    label("Label6", tr(kExplanation));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("cmdSave");
    connect(ok, &QPushButton::clicked, this, [this] { close(true); });
    label("Label1", tr("Click here to save these settings."));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cmdCancel");
    connect(cancel, &QPushButton::clicked, this, [this] { close(false); });
    label("Label2", tr("Click here to cancel any changes you have made."));
}

void ZanSettingsWindow::buildMenus() {
    auto* file = new QMenu(tr("&File"));
    file->setObjectName("mnuFile");
    m_openAction = file->addAction(tr("&Open"), this, [this] { m_editor.openOther(); });
    m_openAction->setObjectName("mnuFileOpen");
    file->addAction(tr("&Save"), this, [this] { m_editor.save(); })->setObjectName("mnuFileSave");
    m_saveAsAction = file->addAction(tr("Save &As..."), this, [this] { m_editor.saveAs(); });
    m_saveAsAction->setObjectName("mnuFileSaveAs");
    file->addSeparator();
    file->addAction(tr("E&xit"), &m_frame, &QWidget::close)->setObjectName("mnuExit");
    auto* help = new QMenu(tr("&Help"));
    help->setObjectName("mnuHelpHead");
    help->addAction(tr("&Contents"), this, [this] { m_frame.help().showContents(); })
        ->setObjectName("mnuHelpContents");
    help->addAction(tr("&Search for Help on..."), this, [this] { m_frame.help().showSearch(); })
        ->setObjectName("mnuHelpSearch");
    help->addSeparator();
    help->addAction(tr("&About WQ Story Books..."), this, [this] { ui::showAbout(&m_frame); })
        ->setObjectName("mnuHelpAbout");
    m_menus = {file, help};
}

bool ZanSettingsWindow::start() {
    m_started = true;
    layoutControls();
    m_filling = true;
    const bool opened = m_editor.open();
    m_filling = false;
    return opened;
}

void ZanSettingsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_started || m_shape.reshape(window())) return;
    layoutControls();
}

void ZanSettingsWindow::layoutControls() {
    const ScaleFactors f =
        scaleFactors(ui::pixelsToTwips(width(), this), ui::pixelsToTwips(height(), this));
    auto place = [&](const char* name, const Design& d) {
        auto* w = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        if (!w) return;
        ui::placeInTwips(w, d.left, d.top, d.width, d.height, f.x, f.y);
        if (d.points > 0) w->setFont(ui::fontAt("Arial", d.points * f.scale, false, this));
    };
    place("Shape1", kShape1);
    place("Shape2", kShape2);
    place("lblOwner", kOwner);
    m_owner->setFont(ui::fontAt("Arial", kOwner.points * f.scale, true, this));
    place("lblapply", kApply);
    place("Label4", kStoryLabel);
    place("combo_file", kStoryList);
    for (int i = 0; i < 4; ++i) place(kCheckNames[i], kChecks[i]);
    place("Label6", kExplain);
    place("cmdSave", kOk);
    place("Label1", kOkLabel);
    place("cmdCancel", kCancel);
    place("Label2", kCancelLabel);
}

void ZanSettingsWindow::checksChanged() {
    if (m_filling) return;
    m_editor.setChecks({m_checks[0]->isChecked(), m_checks[1]->isChecked(),
                        m_checks[2]->isChecked(), m_checks[3]->isChecked()});
}

void ZanSettingsWindow::close(bool save) {
    const bool done = save ? m_editor.ok() : m_editor.cancel();
    if (done && m_closed) m_closed();
}

void ZanSettingsWindow::setOwnerCaption(std::string_view text) {
    m_owner->setText(ui::fromFileText(text).replace("\r\n", "\n"));
}

void ZanSettingsWindow::setApplyCaption(std::string_view text) {
    m_apply->setText(ui::fromFileText(text));
}

void ZanSettingsWindow::setOpenAndSaveAsEnabled(bool enabled) {
    m_openAction->setEnabled(enabled);
    m_saveAsAction->setEnabled(enabled);
}

void ZanSettingsWindow::setStories(const std::vector<std::string>& titles) {
    const bool filling = std::exchange(m_filling, true);
    m_stories->clear();
    for (const auto& title : titles) m_stories->addItem(ui::fromFileText(title));
    m_filling = filling;
}

void ZanSettingsWindow::selectStory(std::optional<int> index) {
    const bool filling = std::exchange(m_filling, true);
    m_stories->setCurrentIndex(index.value_or(-1));
    m_filling = filling;
}

void ZanSettingsWindow::setChecks(const ZanOptions& ticked) {
    const bool filling = std::exchange(m_filling, true);
    const bool values[4] = {ticked.canLoadStories, ticked.speakCorrectWords, ticked.canHearPage,
                            ticked.speakPageAtStart};
    for (int i = 0; i < 4; ++i) m_checks[i]->setChecked(values[i]);
    m_filling = filling;
}

// The name list as a name picker.
std::optional<std::string> ZanSettingsWindow::pickName(std::string_view prompt) {
    const ui::NameAnswer answer =
        ui::runNamePicker(&m_frame, m_frame.state(), m_frame.host(), prompt);
    if (answer.choice != ui::NameChoice::Chosen) return std::nullopt;
    return answer.name;
}

void ZanSettingsWindow::fatalError(const FatalError& error) { ui::fatalError(error); }

}  // namespace kz::zan
