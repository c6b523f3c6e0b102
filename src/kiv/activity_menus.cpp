// The activity window's menus: captions, checks and enabling as the activity gives them.
#include <QAction>
#include <QMenu>

#include "activity_window.h"
#include "kiv/word_activity.h"

namespace kz::ui {

QAction* ActivityWindow::addItem(QMenu* menu, const char* name, const QString& caption,
                                 std::function<void()> command, bool checkable) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setCheckable(checkable);
    connect(item, &QAction::triggered, this, [this, command = std::move(command)] {
        // During the pause after a right answer no menu is acted on.
        if (!m_activity->pausing()) command();
        setMenus(m_activity->menus());  // a check the activity did not change goes back
    });
    return item;
}

void ActivityWindow::buildMenus() {
    auto* file = new QMenu(tr("&File"), this);
    file->setObjectName("mnuFile");
    m_open = addItem(file, "mnuFileOpen", tr("&Open"), [this] { m_activity->fileOpen(); });
    file->addSeparator()->setObjectName("mnuFileBlank");
    addItem(file, "mnuExit", tr("E&xit"), [this] {
        if (m_hooks.exit) m_hooks.exit();
    });

    m_questions = new QMenu(tr("&Questions"), this);
    m_questions->setObjectName("mnuQuestions");
    const struct {
        int style;
        const char* name;
        const char* caption;
    } questions[] = {{3, "mnuQuestion3", QT_TR_NOOP("Show &and speak")},
                     {2, "mnuQuestion2", QT_TR_NOOP("Just s&how")},
                     {1, "mnuQuestion1", QT_TR_NOOP("Just s&peak")}};
    for (const auto& q : questions) {
        m_questionItems[q.style] = addItem(
            m_questions, q.name, tr(q.caption),
            [this, s = q.style] { m_activity->chooseQuestionStyle(s); }, true);
    }
    m_questions->addSeparator()->setObjectName("mnuBlank2");
    m_time = m_questions->addMenu(tr("Show for..."));
    m_time->setObjectName("mnuTime");
    const struct {
        int ms;
        const char* name;
        const char* caption;
    } times[] = {
        {500, "mnuTime500", QT_TR_NOOP("&0.5 sec")}, {1000, "mnuTime1000", QT_TR_NOOP("&1 sec")},
        {2000, "mnuTime2000", QT_TR_NOOP("&2 sec")}, {3000, "mnuTime3000", QT_TR_NOOP("&3 sec")},
        {4000, "mnuTime4000", QT_TR_NOOP("&4 sec")}, {0, "mnuTime0", QT_TR_NOOP("&Always")}};
    for (const auto& t : times) {
        m_timeItems.emplace_back(t.ms,
                                 addItem(
                                     m_time, t.name, tr(t.caption),
                                     [this, ms = t.ms] { m_activity->chooseShowTime(ms); }, true));
    }

    m_answers = new QMenu(tr("&Answers"), this);
    m_answers->setObjectName("mnuanswers");
    const struct {
        int style;
        const char* name;
        const char* caption;
    } answers[] = {{2, "mnuanswer2", QT_TR_NOOP("&2 answers")},
                   {3, "mnuanswer3", QT_TR_NOOP("&3 choices")},
                   {4, "mnuanswer4", QT_TR_NOOP("&4 choices")},
                   {1, "mnuanswer1", QT_TR_NOOP("&Type the answer")}};
    for (const auto& a : answers) {
        m_answerItems[a.style] = addItem(
            m_answers, a.name, tr(a.caption),
            [this, s = a.style] { m_activity->chooseAnswerStyle(s); }, true);
    }

    auto* settings = new QMenu(tr("Se&ttings"), this);
    settings->setObjectName("mnuSettingsHead");
    addItem(settings, "mnuSettings", tr("&Alter the settings"), [this] {
        if (m_hooks.openSettings) m_hooks.openSettings();
    });

    auto* help = new QMenu(tr("Hel&p"), this);
    help->setObjectName("mnuHelp");
    addItem(help, "mnuHelpContents", tr("&Contents"), [this] {
        if (m_hooks.helpContents) m_hooks.helpContents();
    });
    addItem(help, "mnuHelpSearch", tr("&Search for Help on..."), [this] {
        if (m_hooks.helpSearch) m_hooks.helpSearch();
    });
    help->addSeparator()->setObjectName("mnuHelpBlank");
    addItem(help, "mnuHelpAbout", tr("&About WQ Story Books..."), [this] {
        if (m_hooks.about) m_hooks.about();
    });
    m_menus = {file, m_questions, m_answers, settings, help};
}

void ActivityWindow::setMenus(const KivMenus& menus) {
    m_open->setEnabled(menus.openEnabled);
    m_questions->setEnabled(menus.questionsEnabled);
    m_questions->menuAction()->setEnabled(menus.questionsEnabled);
    m_answers->setEnabled(menus.answersEnabled);
    m_answers->menuAction()->setEnabled(menus.answersEnabled);
    m_time->menuAction()->setEnabled(menus.timeEnabled);
    for (int s = 1; s <= 3; ++s) m_questionItems[s]->setChecked(s == menus.questionStyle);
    for (auto& [ms, item] : m_timeItems) item->setChecked(ms == menus.showTimeMs);
    for (int s = 1; s <= 4; ++s) m_answerItems[s]->setChecked(s == menus.answerStyle);
}

}  // namespace kz::ui
