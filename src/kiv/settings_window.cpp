#include "settings_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs.h"
#include "fatal.h"
#include "files/paths.h"
#include "files/user_settings.h"
#include "pointer.h"
#include "qt_text.h"
#include "session/app_state.h"
#include "session/chooser.h"
#include "session/startup.h"
#include "twips.h"
#include "ui_host.h"

namespace kz::ui {

SettingsWindow::SettingsWindow(AppState& state, UiHost& host, Hooks hooks, QWidget* parent)
    : QWidget(parent), m_state(state), m_host(host), m_hooks(std::move(hooks)) {
    setObjectName("frmKivSet");
    setWindowTitle(tr("Settings"));
    buildControls();
    buildMenus();
}

void SettingsWindow::buildControls() {
    auto group = [this](const char* name, const QString& caption, int l, int t, int w, int h) {
        auto* g = new QGroupBox(caption, this);
        g->setObjectName(name);
        m_design.push_back({g, l, t, w, h, 12});
        return g;
    };
    auto option = [this](QGroupBox* g, const char* name, const QString& caption, int l, int t) {
        auto* o = new QRadioButton(caption, g);
        o->setObjectName(name);
        m_design.push_back({o, l, t, 3700, 420, 11});
        connect(o, &QRadioButton::clicked, this, &SettingsWindow::markAltered);
        return o;
    };
    // Left: the question and answer styles; right: menus, questions per set, show time.
    m_questions = group("fraQuestions", tr("Questions"), 300, 250, 4200, 1750);
    m_optQ[3] = option(m_questions, "optQ3", tr("Show and speak"), 250, 400);
    m_optQ[2] = option(m_questions, "optQ2", tr("Just show"), 250, 850);
    m_optQ[1] = option(m_questions, "optQ1", tr("Just speak"), 250, 1300);
    m_answers = group("fraAnswers", tr("Answers"), 300, 2150, 4200, 2200);
    m_opta[2] = option(m_answers, "opta2", tr("Choice of two"), 250, 400);
    m_opta[3] = option(m_answers, "opta3", tr("Choice of three"), 250, 850);
    m_opta[4] = option(m_answers, "opta4", tr("Choice of four"), 250, 1300);
    m_opta[1] = option(m_answers, "opta1", tr("Type the answer"), 250, 1750);

    m_menusGroup = group("fraMenus", tr("Menus"), 4800, 250, 4500, 1850);
    m_label3 = new QLabel(tr("Wordlist"), m_menusGroup);
    m_label3->setObjectName("Label3");
    m_design.push_back({m_label3, 200, 400, 1000, 420, 11});
    m_combo = new QComboBox(m_menusGroup);
    m_combo->setObjectName("Combo");
    m_design.push_back({m_combo, 1250, 350, 3050, 480, 11});
    connect(m_combo, &QComboBox::currentIndexChanged, this, &SettingsWindow::markAltered);
    m_label3->setBuddy(m_combo);
    m_chkLoad = new QCheckBox(tr("Allow loading other wordlists"), m_menusGroup);
    m_chkLoad->setObjectName("chk_load");
    m_design.push_back({m_chkLoad, 200, 900, 4100, 420, 11});
    m_chkQa = new QCheckBox(tr("Allow question/answer changes"), m_menusGroup);
    m_chkQa->setObjectName("chk_qa");
    m_design.push_back({m_chkQa, 200, 1350, 4100, 420, 11});
    for (auto* c : {m_chkLoad, m_chkQa})
        connect(c, &QCheckBox::clicked, this, &SettingsWindow::markAltered);

    m_perSet = group("fraPerSet", tr("Questions per set"), 4800, 2250, 4500, 950);
    m_combofrog = new QComboBox(m_perSet);
    m_combofrog->setObjectName("combofrog");
    for (const auto& e : frogEntries()) m_combofrog->addItem(QString::fromStdString(e));
    m_design.push_back({m_combofrog, 250, 380, 2400, 480, 11});

    m_times = group("fraTimes", tr("Show for how long?"), 4800, 3350, 4500, 1400);
    const struct {
        int code;
        const char* name;
        const char* caption;
        int column, row;
    } times[] = {{50, "optt0", "Always", 0, 0}, {40, "optt40", "4 sec", 0, 1},
                 {30, "optt30", "3 sec", 1, 0}, {20, "optt20", "2 sec", 1, 1},
                 {10, "optt10", "1 sec", 2, 0}, {5, "optt5", "0.5 sec", 2, 1}};
    for (const auto& t : times) {
        QRadioButton* o =
            option(m_times, t.name, tr(t.caption), 200 + 1400 * t.column, 380 + 450 * t.row);
        m_design.back().width = 1350;
        m_optt.emplace_back(t.code, o);
    }

    auto button = [this](const char* name, const QString& caption, int top) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        m_design.push_back({b, 300, top, 1300, 550, 12});
        return b;
    };
    auto note = [this](const char* name, const QString& caption, int l, int t, int w) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(name);
        label->setWordWrap(true);
        m_design.push_back({label, l, t, w, 550, 10});
        return label;
    };
    m_ok = button("cmdSave", tr("OK"), 4700);
    m_label1 = note("Label1", tr("Click here to save these settings."), 1750, 4700, 2800);
    m_cancel = button("cmdCancel", tr("Cancel"), 5450);
    m_label2 =
        note("Label2", tr("Click here to cancel any changes you have made."), 1750, 5450, 2800);
    m_ownerLabel = note("lblOwner", QString(), 4800, 5000, 4500);
    m_apply = note("lblApply", QString(), 4800, 5550, 4500);
    connect(m_ok, &QPushButton::clicked, this, &SettingsWindow::ok);
    connect(m_cancel, &QPushButton::clicked, this, &SettingsWindow::cancel);
    // Tab follows the order the controls were made in, which is the reading order: down the
    // left column, then down the right; the arrows move within a group.
}

void SettingsWindow::buildMenus() {
    auto* file = new QMenu(tr("&File"), this);
    file->setObjectName("mnuFile");
    m_open = file->addAction(tr("&Open"), this, &SettingsWindow::open);
    m_open->setObjectName("mnuFileOpen");
    file->addAction(tr("&Save"), this, &SettingsWindow::save)->setObjectName("mnuFileSave");
    m_saveAs = file->addAction(tr("Save &As..."), this, &SettingsWindow::saveAs);
    m_saveAs->setObjectName("mnuFileSaveAs");
    file->addSeparator();
    file->addAction(tr("E&xit"), this,
                    [this] {
                        if (m_hooks.exit) m_hooks.exit();
                    })
        ->setObjectName("mnuExit");
    auto* help = new QMenu(tr("&Help"), this);
    help->setObjectName("mnuHelp");
    help->addAction(tr("&Contents"), this,
                    [this] {
                        if (m_hooks.helpContents) m_hooks.helpContents();
                    })
        ->setObjectName("mnuHelpContents");
    help->addAction(tr("&Search for Help on..."), this,
                    [this] {
                        if (m_hooks.helpSearch) m_hooks.helpSearch();
                    })
        ->setObjectName("mnuHelpSearch");
    help->addSeparator();
    help->addAction(tr("&About WQ Story Books..."), this,
                    [this] {
                        if (m_hooks.about) m_hooks.about();
                    })
        ->setObjectName("mnuHelpAbout");
    m_menus = {file, help};
}

void SettingsWindow::layoutControls() {
    const ScaleFactors f =
        scaleFactors(pixelsToTwips(width(), this), pixelsToTwips(height(), this));
    for (const Placed& p : m_design) {
        placeInTwips(p.widget, p.left, p.top, p.width, p.height, f.scale, f.scale);
        p.widget->setFont(fontAt("Arial", p.points * f.scale, false, this));
    }
}

void SettingsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_shape.reshape(m_hooks.frame ? m_hooks.frame() : nullptr)) return;
    layoutControls();
}

void SettingsWindow::markAltered() {
    if (!m_filling) m_altered = true;
}

void SettingsWindow::load() {
    m_owner = settingsOwner(m_state);
    m_filling = true;
    m_altered = false;
    layoutControls();
    m_ownerLabel->setText(fromFileText(m_owner.ownerCaption()));
    m_apply->setText(QString::fromStdString(m_owner.applyCaption()));
    m_open->setEnabled(m_owner.individual);
    m_saveAs->setEnabled(m_owner.individual);
    BusyPointer busy;
    auto settings =
        loadUserSettings(m_state.appDir, m_owner.fileName(m_state.workSettings.voiceA()));
    if (!settings) fatalError(settings.error());
    m_state.fileSettings = settings.value();
    m_state.wordRange = wordRange(m_state.fileSettings);
    m_state.workSettings = m_state.fileSettings;
    fillControls();
    m_filling = false;
    m_optQ[m_controls.questionOption]->setFocus();  // ready for Tab and the arrows
}

void SettingsWindow::fillControls() {
    const bool filling = m_filling;
    m_filling = true;
    const auto files = listFolder(joinPath(m_state.dataDir, "WORDLIST"), "*.txt");
    m_controls = kz::fillControls(m_state.workSettings, m_state.wordRange, files,
                                  readCatalogueFile(m_state.dataDir));
    m_combo->clear();
    for (const auto& title : m_controls.listTitles) m_combo->addItem(fromFileText(title));
    m_combo->setCurrentIndex(m_controls.listSelected ? static_cast<int>(*m_controls.listSelected)
                                                     : -1);
    m_optQ[m_controls.questionOption]->setChecked(true);
    m_opta[m_controls.answerOption]->setChecked(true);
    for (auto& [code, o] : m_optt)
        if (code == m_controls.timeCode) o->setChecked(true);
    m_chkQa->setChecked(m_controls.allowQuestionAnswer);
    m_chkLoad->setChecked(m_controls.allowLoading);
    m_combofrog->setCurrentIndex(m_controls.frogEntry);
    m_filling = filling;
}

void SettingsWindow::storeControls() {
    for (int s = 1; s <= 3; ++s)
        if (m_optQ[s]->isChecked()) m_controls.questionOption = s;
    for (int s = 1; s <= 4; ++s)
        if (m_opta[s]->isChecked()) m_controls.answerOption = s;
    for (auto& [code, o] : m_optt)
        if (o->isChecked()) m_controls.timeCode = code;
    m_controls.allowQuestionAnswer = m_chkQa->isChecked();
    m_controls.allowLoading = m_chkLoad->isChecked();
    m_controls.frogEntry = std::max(0, m_combofrog->currentIndex());
    const int list = m_combo->currentIndex();
    m_controls.listSelected =
        list >= 0 ? std::optional<size_t>(static_cast<size_t>(list)) : std::nullopt;
    kz::storeControls(m_controls, m_state.workSettings, m_state);
}

bool SettingsWindow::saveTo(const std::string& fileName, SettingsFields fields) {
    storeControls();
    m_state.fileSettings = m_state.workSettings;
    BusyPointer busy;
    const auto saved = saveUserSettings(m_state.appDir, fileName, m_state.fileSettings, fields);
    if (!saved) {
        m_host.message(userSaveFailedMessage(joinPath(m_state.appDir, fileName)), "",
                       MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    // The other program's fields as the file holds them now.
    m_state.fileSettings = *saved;
    m_state.workSettings = *saved;
    m_altered = false;
    return true;
}

void SettingsWindow::save() {
    saveTo(m_owner.fileName(m_state.workSettings.voiceA()), SettingsFields::KivChoices);
}

bool SettingsWindow::pickName(const char* prompt) {
    const NameAnswer answer = runNamePicker(this, m_state, m_host, prompt);
    if (answer.choice != NameChoice::Chosen) return false;
    m_owner.owner = answer.name;
    return true;
}

void SettingsWindow::saveAs() {
    if (!m_owner.individual || !pickName("Save as settings for...")) return;
    saveTo(m_owner.fileName(m_state.workSettings.voiceA()), SettingsFields::WholeRecord);
    m_ownerLabel->setText(fromFileText(m_owner.ownerCaption()));
}

void SettingsWindow::open() {
    if (!m_owner.individual) return;
    if (m_altered &&
        m_host.message(changesNotSavedText(), kChangesNotSavedCaption, MessageIcon::Exclamation,
                       MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    m_altered = false;
    const KivSettingsOwner before = m_owner;
    if (!pickName("Open settings for...")) return;
    BusyPointer busy;
    auto settings =
        loadUserSettings(m_state.appDir, m_owner.fileName(m_state.workSettings.voiceA()));
    if (!settings) {
        // A child without a file of their own yet: say so and stay on the settings shown.
        m_host.message(fatalMessage(settings.error(), m_state.dataDir).text, "",
                       MessageIcon::Exclamation, MessageButtons::Ok);
        m_owner = before;
        return;
    }
    m_filling = true;
    m_state.fileSettings = settings.value();
    m_state.wordRange = wordRange(m_state.fileSettings);
    m_state.workSettings = m_state.fileSettings;
    m_ownerLabel->setText(fromFileText(m_owner.ownerCaption()));
    fillControls();
    m_filling = false;
}

void SettingsWindow::reloadInForce() {
    auto settings = loadUserSettings(m_state.appDir, settingsInForce(m_state));
    if (!settings) fatalError(settings.error());
    m_state.fileSettings = settings.value();
    m_state.wordRange = wordRange(m_state.fileSettings);
    m_state.workSettings = m_state.fileSettings;
    if (m_hooks.closed) m_hooks.closed();
}

void SettingsWindow::ok() {
    BusyPointer busy;
    if (!saveTo(m_owner.fileName(m_state.workSettings.voiceA()), SettingsFields::KivChoices))
        return;
    reloadInForce();
}

void SettingsWindow::cancel() {
    BusyPointer busy;
    reloadInForce();
}

}  // namespace kz::ui
