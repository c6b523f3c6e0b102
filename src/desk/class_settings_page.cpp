#include "class_settings_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <map>

#include "admin_common.h"
#include "command_failed.h"
#include "desk_class.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "globals_edit.h"
#include "qt_text.h"
#include "session/class_language.h"

namespace kz::desk {

namespace {

const QString kLanguage = "language";

QString flag(int16_t stored) { return stored == 0 ? "0" : "-1"; }

}  // namespace

const QStringList& ClassSettingsPage::keys() {
    static const QStringList k = {"password",          "userMode",        "logSessions", "dataDir",
                                  "omitColourWarning", "omitFontWarning", kLanguage};
    return k;
}

ClassSettingsPage::ClassSettingsPage(DeskClass& deskClass, QWidget* parent)
    : QWidget(parent),
      m_class(deskClass),
      m_password(new QLineEdit(this)),
      m_mode(new QComboBox(this)),
      m_modeText(new QLabel(this)),
      m_log(new QCheckBox(this)),
      m_dataDir(new QLineEdit(this)),
      m_chooseDataDir(new QPushButton(tr("C&hoose..."), this)),
      m_colourWarning(new QCheckBox(this)),
      m_fontWarning(new QCheckBox(this)),
      m_language(new QComboBox(this)),
      m_save(new QPushButton(tr("Sa&ve"), this)),
      m_revert(new QPushButton(tr("&Undo changes"), this)),
      m_status(new QLabel(this)) {
    setObjectName("ClassSettingsPage");
    m_password->setAccessibleName(tr("Teacher's password"));
    m_password->setToolTip(tr("At most 8 letters (A-Z) or digits; empty: no password."));
    m_mode->setAccessibleName(tr("Sign-in"));
    m_mode->addItem(tr("Nobody signs in"), 0);
    m_mode->addItem(tr("Children pick their name"), 1);
    m_mode->addItem(tr("Children pick their name and keep their own settings"), 3);
    m_modeText->setWordWrap(true);
    m_log->setText(tr("&Log each session: who read, when, for how long"));
    m_log->setAccessibleName(tr("Log each session"));
    m_dataDir->setAccessibleName(tr("Data folder"));
    m_chooseDataDir->setAccessibleName(tr("Choose the data folder"));
    m_colourWarning->setText(tr("Warn when the screen shows too few c&olours"));
    m_colourWarning->setAccessibleName(tr("Warn when the screen shows too few colours"));
    m_fontWarning->setText(tr("Warn when the font &Arial is missing"));
    m_fontWarning->setAccessibleName(tr("Warn when the font Arial is missing"));
    m_language->setAccessibleName(tr("Language"));
    m_language->addItem(tr("The desktop's language"), QString());
    m_language->addItem("English", "en");
    m_language->addItem(QString::fromUtf8("Fran\u00e7ais"), "fr");
    m_language->addItem(QString::fromUtf8("Espa\u00f1ol"), "es");
    m_language->addItem("Deutsch", "de");
    m_save->setAccessibleName(tr("Save the class settings"));
    m_revert->setAccessibleName(tr("Undo the changes not saved"));
    m_status->setWordWrap(true);

    auto* form = new QFormLayout;
    // A field too wide beside its label (a long choice, a long language) goes below it.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto* passwordLabel = new QLabel(tr("Teacher's passwo&rd:"), this);
    passwordLabel->setBuddy(m_password);
    form->addRow(passwordLabel, m_password);
    auto* modeLabel = new QLabel(tr("Sig&n-in:"), this);
    modeLabel->setBuddy(m_mode);
    form->addRow(modeLabel, m_mode);
    form->addRow(QString(), m_modeText);
    form->addRow(QString(), m_log);
    auto* dataRow = new QHBoxLayout;
    dataRow->addWidget(m_dataDir, 1);
    dataRow->addWidget(m_chooseDataDir);
    auto* dataLabel = new QLabel(tr("&Data folder:"), this);
    dataLabel->setBuddy(m_dataDir);
    form->addRow(dataLabel, dataRow);
    form->addRow(QString(), m_colourWarning);
    form->addRow(QString(), m_fontWarning);
    auto* languageLabel = new QLabel(tr("Lan&guage of the programs:"), this);
    languageLabel->setBuddy(m_language);
    form->addRow(languageLabel, m_language);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_revert);
    buttons->addWidget(m_save);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_status);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_chooseDataDir, &QPushButton::clicked, this, &ClassSettingsPage::chooseDataDir);
    connect(m_save, &QPushButton::clicked, this, &ClassSettingsPage::save);
    connect(m_revert, &QPushButton::clicked, this, [this] {
        for (const QString& key : keys()) setValue(key, m_shown.value(key));
        reload();
    });
    connect(m_mode, &QComboBox::currentIndexChanged, this, &ClassSettingsPage::updateButtons);
    connect(m_password, &QLineEdit::textChanged, this, &ClassSettingsPage::updateButtons);
    connect(m_dataDir, &QLineEdit::textChanged, this, &ClassSettingsPage::updateButtons);
    connect(m_language, &QComboBox::currentIndexChanged, this, &ClassSettingsPage::updateButtons);
    for (auto* box : {m_log, m_colourWarning, m_fontWarning}) {
        connect(box, &QCheckBox::toggled, this, &ClassSettingsPage::updateButtons);
    }
    connect(&m_class, &DeskClass::filesChanged, this, &ClassSettingsPage::reload);
    reload();
}

QWidget* ClassSettingsPage::field(const QString& key) const {
    if (key == "password") return m_password;
    if (key == "userMode") return m_mode;
    if (key == "logSessions") return m_log;
    if (key == "dataDir") return m_dataDir;
    if (key == "omitColourWarning") return m_colourWarning;
    if (key == "omitFontWarning") return m_fontWarning;
    return m_language;
}

QMap<QString, QString> ClassSettingsPage::diskValues(QString* problem) const {
    QMap<QString, QString> v;
    const auto g = loadGlobalSettings(m_class.appDir());
    if (!g) {
        if (problem) {
            *problem = QString::fromStdString(admin::forTerminal(fatalMessage(g.error(), {}).text));
        }
        return v;
    }
    v["password"] = ui::fromFileText(g->password());
    v["userMode"] = QString::number(g->userMode());
    v["logSessions"] = g->logSessions() == 1 ? "1" : "0";
    v["dataDir"] = QString::fromStdString(g->dataDir().empty() ? std::string()
                                                               : admin::terminalPath(g->dataDir()));
    v["omitColourWarning"] = flag(g->omitColourWarning());
    v["omitFontWarning"] = flag(g->omitFontWarning());
    v[kLanguage] = QString::fromStdString(classLanguage(m_class.appDir()).value_or(""));
    return v;
}

QString ClassSettingsPage::value(const QString& key) const {
    if (key == "password") return m_password->text();
    if (key == "userMode") return m_mode->currentData().toString();
    if (key == "logSessions") return m_log->isChecked() ? "1" : "0";
    if (key == "dataDir") return m_dataDir->text();
    if (key == "omitColourWarning") return m_colourWarning->isChecked() ? "0" : "-1";
    if (key == "omitFontWarning") return m_fontWarning->isChecked() ? "0" : "-1";
    return m_language->currentData().toString();
}

void ClassSettingsPage::setValue(const QString& key, const QString& v) {
    const auto choose = [](QComboBox* box, const QString& data, const QString& text) {
        int i = box->findData(data);
        if (i < 0) {
            box->addItem(text, data);
            i = box->count() - 1;
        }
        box->setCurrentIndex(i);
    };
    if (key == "password") m_password->setText(v);
    if (key == "userMode") {
        m_mode->blockSignals(true);
        choose(m_mode, v, tr("Sign-in mode %1, as the class's settings hold it").arg(v));
        m_mode->blockSignals(false);
    }
    if (key == "logSessions") m_log->setChecked(v == "1");
    if (key == "dataDir") m_dataDir->setText(v);
    if (key == "omitColourWarning") m_colourWarning->setChecked(v == "0");
    if (key == "omitFontWarning") m_fontWarning->setChecked(v == "0");
    if (key == kLanguage) choose(m_language, v, v);
    updateButtons();
}

QString ClassSettingsPage::shownText(const QString& key, const QString& v) const {
    if (key == "userMode") {
        const int i = m_mode->findData(v);
        return i >= 0 ? m_mode->itemText(i) : v;
    }
    if (key == "logSessions") return v == "1" ? tr("sessions logged") : tr("sessions not logged");
    if (key == "omitColourWarning" || key == "omitFontWarning") {
        return v == "0" ? tr("warn") : tr("do not warn");
    }
    if (key == kLanguage) {
        const int i = m_language->findData(v);
        return i >= 0 ? m_language->itemText(i) : v;
    }
    return v.isEmpty() ? tr("(empty)") : "\"" + v + "\"";
}

void ClassSettingsPage::reload() {
    QString problem;
    const auto disk = diskValues(&problem);
    if (disk.isEmpty()) {
        m_status->setText(problem);
        m_save->setEnabled(false);
        return;
    }
    // A field the teacher is changing keeps the change; the others follow the disk.
    for (const QString& key : keys()) {
        if (!m_shown.contains(key) || value(key) == m_shown.value(key)) {
            setValue(key, disk.value(key));
            m_shown[key] = disk.value(key);
        }
    }
    updateButtons();
}

void ClassSettingsPage::updateButtons() {
    bool changed = false;
    for (const QString& key : keys()) changed = changed || value(key) != m_shown.value(key);
    m_save->setEnabled(changed);
    m_revert->setEnabled(changed);
    const QString mode = value("userMode");
    m_modeText->setText(
        mode == "1" ? tr("Each child picks their name from the list when a program starts; "
                         "everyone shares the class's settings.")
        : mode == "3"
            ? tr("Each child picks their name from the list when a program starts, and keeps "
                 "settings of their own (their word list, their story).")
            : tr("The programs start at once, without asking a name; everyone shares the "
                 "class's settings, and the log names nobody."));
}

void ClassSettingsPage::chooseDataDir() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("The data folder"), m_dataDir->text(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (!folder.isEmpty()) m_dataDir->setText(folder);
}

bool ClassSettingsPage::save() {
    m_status->clear();
    QString problem;
    const auto disk = diskValues(&problem);
    if (disk.isEmpty()) {
        QMessageBox::warning(this, tr("Class settings"), problem);
        return false;
    }
    std::map<std::string, std::string> changes;
    QString language;
    bool languageChanged = false;
    for (const QString& key : keys()) {
        const QString mine = value(key);
        if (mine == m_shown.value(key)) continue;
        if (disk.value(key) != m_shown.value(key) && disk.value(key) != mine) {
            QMessageBox ask(QMessageBox::Question, tr("Class settings"),
                            tr("This setting was changed in the class folder since the desk "
                               "showed it.\n\nHere: %1\nIn the class folder: %2\n\nWhich do you "
                               "keep?")
                                .arg(shownText(key, mine), shownText(key, disk.value(key))),
                            QMessageBox::NoButton, this);
            auto* keepMine = ask.addButton(tr("Keep &mine"), QMessageBox::AcceptRole);
            auto* keepDisk = ask.addButton(tr("Keep the &other"), QMessageBox::RejectRole);
            ask.setDefaultButton(keepDisk);
            ask.exec();
            if (ask.clickedButton() != keepMine) {
                setValue(key, disk.value(key));
                m_shown[key] = disk.value(key);
                continue;
            }
        }
        if (key == kLanguage) {
            language = mine;
            languageChanged = true;
        } else {
            changes[key.toStdString()] = mine.trimmed().toStdString();
        }
    }
    if (const auto it = changes.find("dataDir"); it != changes.end() && !it->second.empty()) {
        if (!QFileInfo(QString::fromStdString(it->second)).isDir()) {
            QMessageBox::warning(this, tr("Class settings"),
                                 tr("The folder %1 does not exist; the settings were not saved.")
                                     .arg(QString::fromStdString(it->second)));
            return false;
        }
        it->second = QDir(QString::fromStdString(it->second)).absolutePath().toStdString();
    }
    try {
        if (!changes.empty()) {
            const auto made = admin::setGlobalSettings(m_class.appDir(), changes);
            if (made.ownSettings) {
                m_status->setText(
                    tr("Made %n settings file(s) from TEACHER.WQ for the names "
                       "that had none.",
                       nullptr, made.madeFiles));
            }
        }
    } catch (const admin::CommandFailed& failed) {
        QMessageBox::warning(this, tr("Class settings"), QString::fromStdString(failed.what()));
        return false;
    }
    if (languageChanged && !setClassLanguage(m_class.appDir(), language.toStdString())) {
        QMessageBox::warning(this, tr("Class settings"),
                             tr("The language could not be written to %1.")
                                 .arg(QString::fromStdString(
                                     admin::terminalPath(classLanguagePath(m_class.appDir())))));
        return false;
    }
    for (const auto& [key, v] : changes)
        m_shown[QString::fromStdString(key)] = value(QString::fromStdString(key));
    if (languageChanged) m_shown[kLanguage] = language;
    if (changes.count("dataDir")) {
        try {
            m_class.reopen();
        } catch (const admin::CommandFailed& failed) {
            m_status->setText(QString::fromStdString(failed.what()));
        }
    }
    reload();
    return true;
}

}  // namespace kz::desk
