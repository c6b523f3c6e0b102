#include "children_page.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "admin_common.h"
#include "command_failed.h"
#include "desk_class.h"
#include "files/paths.h"
#include "files/tracking_log.h"
#include "log_summary.h"
#include "qt_text.h"
#include "user_list_edit.h"

namespace kz::desk {

namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

QString lastSessionText(const std::string& start) {
    if (start.size() < 10) return {};
    const QDate date = QDate::fromString(QString::fromStdString(start.substr(0, 10)), Qt::ISODate);
    return QLocale().toString(date, QLocale::ShortFormat);
}

// The log's text, or empty when there is none to read (logging off, a new class).
std::string logText(const std::string& appDir) {
    const auto bytes = readWholeFile(logPath(appDir));
    if (!bytes || bytes->empty()) return {};
    return decodeLogText(*bytes).value_or(std::string());
}

}  // namespace

ChildrenPage::ChildrenPage(DeskClass& deskClass, QWidget* parent)
    : QWidget(parent),
      m_class(deskClass),
      m_list(new QTreeWidget(this)),
      m_problem(new QLabel(this)) {
    setObjectName("ChildrenPage");
    auto* intro = new QLabel(
        tr("The names the children pick when they sign in, in the order the list shows them."),
        this);
    intro->setWordWrap(true);
    m_list->setHeaderLabels({tr("Name"), tr("Last session"), tr("Minutes this week")});
    m_list->setRootIsDecorated(false);
    m_list->setAccessibleName(tr("Children"));
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    // The other columns as wide as their heading or their widest entry, in every language.
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_problem->setWordWrap(true);
    m_problem->hide();

    m_add = new QPushButton(tr("&Add..."), this);
    m_rename = new QPushButton(tr("&Rename..."), this);
    m_remove = new QPushButton(tr("Re&move..."), this);
    m_up = new QPushButton(tr("Move &up"), this);
    m_down = new QPushButton(tr("Move &down"), this);
    m_add->setAccessibleName(tr("Add a child"));
    m_rename->setAccessibleName(tr("Rename the chosen child"));
    m_remove->setAccessibleName(tr("Remove the chosen child"));
    m_up->setAccessibleName(tr("Move the chosen child up"));
    m_down->setAccessibleName(tr("Move the chosen child down"));

    auto* buttons = new QVBoxLayout;
    for (auto* b : {m_add, m_rename, m_remove, m_up, m_down}) buttons->addWidget(b);
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_problem);
    layout->addLayout(row, 1);
    setTabOrder(m_list, m_add);
    setTabOrder(m_add, m_rename);
    setTabOrder(m_rename, m_remove);
    setTabOrder(m_remove, m_up);
    setTabOrder(m_up, m_down);

    connect(m_add, &QPushButton::clicked, this, &ChildrenPage::addChild);
    connect(m_rename, &QPushButton::clicked, this, &ChildrenPage::renameChild);
    connect(m_remove, &QPushButton::clicked, this, &ChildrenPage::removeChild);
    connect(m_up, &QPushButton::clicked, this, [this] { moveChild(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveChild(1); });
    connect(m_list, &QTreeWidget::currentItemChanged, this, &ChildrenPage::updateButtons);
    connect(m_list, &QTreeWidget::itemActivated, this, &ChildrenPage::renameChild);
    connect(&m_class, &DeskClass::filesChanged, this, &ChildrenPage::reload);
    reload();
}

void ChildrenPage::reload() {
    const QString chosen = chosenName();
    m_list->clear();
    std::vector<std::string> names;
    try {
        names = admin::listedNames(m_class.appDir());
        m_problem->hide();
    } catch (const admin::CommandFailed& failed) {
        m_problem->setText(QString::fromStdString(failed.what()));
        m_problem->show();
    }
    const auto summary = admin::logSummary(logText(m_class.appDir()), admin::localToday());
    for (const auto& name : names) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, ui::fromFileText(name));
        if (const auto it = summary.find(name); it != summary.end()) {
            item->setText(1, lastSessionText(it->second.lastSession));
            item->setText(2, QString::number(it->second.weekMinutes));
        } else {
            item->setText(1, tr("never"));
            item->setText(2, QString::number(0));
        }
    }
    choose(chosen);
    updateButtons();
}

QString ChildrenPage::chosenName() const {
    const auto* item = m_list->currentItem();
    return item ? item->text(0) : QString();
}

void ChildrenPage::choose(const QString& name) {
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (m_list->topLevelItem(i)->text(0) == name) {
            m_list->setCurrentItem(m_list->topLevelItem(i));
            return;
        }
    }
}

void ChildrenPage::updateButtons() {
    const auto* item = m_list->currentItem();
    const int row = item ? m_list->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) : -1;
    m_rename->setEnabled(item != nullptr);
    m_remove->setEnabled(item != nullptr);
    m_up->setEnabled(row > 0);
    m_down->setEnabled(item != nullptr && row + 1 < m_list->topLevelItemCount());
}

bool ChildrenPage::run(const std::function<void()>& change) {
    try {
        change();
    } catch (const admin::CommandFailed& failed) {
        reload();
        // The engine's suggestion names the command that types it; here the name is typed.
        QString message = QString::fromStdString(failed.what());
        message.replace("wqadmin users DIR add ", QString());
        QMessageBox::warning(this, tr("Children"), message);
        return false;
    }
    reload();
    return true;
}

void ChildrenPage::addChild() {
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Add a child"),
                                               tr("The name the child picks (at most 16 "
                                                  "characters):"),
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok) return;
    admin::UsersChange change;
    if (!run([&] { change = admin::addUser(m_class.appDir(), utf8(name)); })) return;
    choose(name.trimmed());
    QStringList notes;
    for (const auto& other : change.sharingNames) {
        notes << QString::fromStdString(
            admin::sharedFileWarning(utf8(name), other, change.sharedFile));
    }
    if (!notes.isEmpty()) QMessageBox::information(this, tr("Children"), notes.join("\n"));
}

void ChildrenPage::renameChild() {
    const QString old = chosenName();
    if (old.isEmpty()) return;
    bool ok = false;
    const QString name = QInputDialog::getText(
        this, tr("Rename a child"), tr("The new name for \"%1\" (at most 16 characters):").arg(old),
        QLineEdit::Normal, old, &ok);
    if (!ok || name == old) return;
    admin::UsersChange change;
    if (!run([&] { change = admin::renameUser(m_class.appDir(), utf8(old), utf8(name)); })) {
        return;
    }
    choose(name.trimmed());
    QStringList notes;
    for (const auto& other : change.sharingNames) {
        notes << QString::fromStdString(
            admin::sharedFileWarning(utf8(name), other, change.sharedFile));
    }
    if (!notes.isEmpty()) QMessageBox::information(this, tr("Children"), notes.join("\n"));
}

void ChildrenPage::removeChild() {
    const QString name = chosenName();
    if (name.isEmpty()) return;
    const auto answer = QMessageBox::question(
        this, tr("Remove a child"),
        tr("Take \"%1\" off the sign-in list? Their settings file and their sessions in the log "
           "are kept.")
            .arg(name));
    if (answer != QMessageBox::Yes) return;
    run([&] { admin::removeUser(m_class.appDir(), utf8(name)); });
}

void ChildrenPage::moveChild(int step) {
    const QString name = chosenName();
    if (name.isEmpty()) return;
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (run([&] { admin::moveUser(m_class.appDir(), utf8(name), row + 1 + step); })) {
        choose(name);
        updateButtons();
    }
}

}  // namespace kz::desk
