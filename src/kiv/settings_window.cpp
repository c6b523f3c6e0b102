#include "settings_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

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
    : QWidget(parent),
      m_state(state),
      m_host(host),
      m_hooks(std::move(hooks)),
      m_editor(state, host, *this) {
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
        connect(o, &QRadioButton::toggled, this, &SettingsWindow::controlChanged);
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
    connect(m_combo, &QComboBox::currentIndexChanged, this, &SettingsWindow::controlChanged);
    m_label3->setBuddy(m_combo);
    m_chkLoad = new QCheckBox(tr("Allow loading other wordlists"), m_menusGroup);
    m_chkLoad->setObjectName("chk_load");
    m_design.push_back({m_chkLoad, 200, 900, 4100, 420, 11});
    m_chkQa = new QCheckBox(tr("Allow question/answer changes"), m_menusGroup);
    m_chkQa->setObjectName("chk_qa");
    m_design.push_back({m_chkQa, 200, 1350, 4100, 420, 11});
    for (auto* c : {m_chkLoad, m_chkQa})
        connect(c, &QCheckBox::toggled, this, &SettingsWindow::controlChanged);

    m_perSet = group("fraPerSet", tr("Questions per set"), 4800, 2250, 4500, 950);
    m_combofrog = new QComboBox(m_perSet);
    m_combofrog->setObjectName("combofrog");
    for (const auto& e : frogEntries()) m_combofrog->addItem(ui::fromFileText(e));
    connect(m_combofrog, &QComboBox::currentIndexChanged, this, &SettingsWindow::controlChanged);
    m_design.push_back({m_combofrog, 250, 380, 2400, 480, 11});

    m_times = group("fraTimes", tr("Show for how long?"), 4800, 3350, 4500, 1400);
    const struct {
        int code;
        const char* name;
        const char* caption;
        int column, row;
    } times[] = {
        {50, "optt0", QT_TR_NOOP("Always"), 0, 0}, {40, "optt40", QT_TR_NOOP("4 sec"), 0, 1},
        {30, "optt30", QT_TR_NOOP("3 sec"), 1, 0}, {20, "optt20", QT_TR_NOOP("2 sec"), 1, 1},
        {10, "optt10", QT_TR_NOOP("1 sec"), 2, 0}, {5, "optt5", QT_TR_NOOP("0.5 sec"), 2, 1}};
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
    for (const Placed& p : m_design)
        placeInTwips(p.widget, p.left, p.top, p.width, p.height, f.scale, f.scale);
    // The option buttons' round marks keep their size while the window shrinks: in a small
    // window the text steps down until every option's caption fits beside its mark, so no
    // caption runs under the next option ("Always" under "3 sec" at 320 by 240).
    auto isOption = [](const QWidget* w) {
        return qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w);
    };
    for (const Placed& p : m_design) {
        if (!isOption(p.widget))
            p.widget->setFont(fontAt("Arial", p.points * f.scale, false, this));
    }
    // The options of one group step down together, so a group reads in one size.
    std::vector<QWidget*> groups;
    for (const Placed& p : m_design) {
        if (isOption(p.widget) &&
            std::find(groups.begin(), groups.end(), p.widget->parentWidget()) == groups.end())
            groups.push_back(p.widget->parentWidget());
    }
    for (QWidget* group : groups) {
        double points = f.scale;
        for (int step = 0; step < 20; ++step, points *= 0.9) {
            bool fit = true;
            for (const Placed& p : m_design) {
                if (!isOption(p.widget) || p.widget->parentWidget() != group) continue;
                p.widget->setFont(fontAt("Arial", p.points * points, false, this));
                fit = fit && p.widget->sizeHint().width() <= p.widget->width();
            }
            if (fit) break;
        }
    }
}

void SettingsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_shape.reshape(m_hooks.frame ? m_hooks.frame() : nullptr)) return;
    layoutControls();
}

void SettingsWindow::load() {
    layoutControls();
    BusyPointer busy;
    if (m_editor.open()) m_optQ[m_editor.controls().questionOption]->setFocus();  // ready for Tab
}

void SettingsWindow::showControls(const KivSettingsControls& c) {
    const bool showing = std::exchange(m_showing, true);
    m_combo->clear();
    for (const auto& title : c.listTitles) m_combo->addItem(fromFileText(title));
    m_combo->setCurrentIndex(c.listSelected ? static_cast<int>(*c.listSelected) : -1);
    m_optQ[c.questionOption]->setChecked(true);
    m_opta[c.answerOption]->setChecked(true);
    for (auto& [code, o] : m_optt)
        if (code == c.timeCode) o->setChecked(true);
    m_chkQa->setChecked(c.allowQuestionAnswer);
    m_chkLoad->setChecked(c.allowLoading);
    m_combofrog->setCurrentIndex(c.frogEntry);
    m_showing = showing;
}

void SettingsWindow::controlChanged() {
    if (m_showing) return;
    KivSettingsControls c = m_editor.controls();
    for (int s = 1; s <= 3; ++s)
        if (m_optQ[s]->isChecked()) c.questionOption = s;
    for (int s = 1; s <= 4; ++s)
        if (m_opta[s]->isChecked()) c.answerOption = s;
    for (auto& [code, o] : m_optt)
        if (o->isChecked()) c.timeCode = code;
    c.allowQuestionAnswer = m_chkQa->isChecked();
    c.allowLoading = m_chkLoad->isChecked();
    c.frogEntry = std::max(0, m_combofrog->currentIndex());
    const int list = m_combo->currentIndex();
    c.listSelected = list >= 0 ? std::optional<size_t>(static_cast<size_t>(list)) : std::nullopt;
    m_editor.choose(c);
}

void SettingsWindow::setOwnerCaption(std::string_view text) {
    m_ownerLabel->setText(fromFileText(text));
}

void SettingsWindow::setApplyCaption(std::string_view text) {
    m_apply->setText(fromFileText(text));
}

void SettingsWindow::setOpenAndSaveAsEnabled(bool enabled) {
    m_open->setEnabled(enabled);
    m_saveAs->setEnabled(enabled);
}

std::optional<std::string> SettingsWindow::pickName(std::string_view prompt) {
    const NameAnswer answer = runNamePicker(this, m_state, m_host, prompt);
    if (answer.choice != NameChoice::Chosen) return std::nullopt;
    return answer.name;
}

void SettingsWindow::fatalError(const FatalError& error) { ui::fatalError(error); }

void SettingsWindow::save() { m_editor.save(); }

void SettingsWindow::saveAs() { m_editor.saveAs(); }

void SettingsWindow::open() { m_editor.openOther(); }

void SettingsWindow::ok() {
    BusyPointer busy;
    if (m_editor.ok() && m_hooks.closed) m_hooks.closed();
}

void SettingsWindow::cancel() {
    BusyPointer busy;
    if (m_editor.cancel() && m_hooks.closed) m_hooks.closed();
}

}  // namespace kz::ui
