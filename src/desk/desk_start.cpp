#include "desk_start.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

#include "admin_common.h"
#include "class_init.h"
#include "command_failed.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/user_list.h"
#include "session/class_language.h"
#include "translations.h"

namespace kz::desk {

namespace {

// The teacher's own desk settings (~/.config/desk/desk.conf), never the class folder's.
QSettings deskSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "desk", "desk");
}

// Whether this account may change the file or folder; one marked read-only for everyone (a
// class set aside, a copy from a CD) counts as not, even for an administrator's account.
bool mayWrite(const std::string& heldPath) {
    const std::string path = resolvePath(heldPath);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || (st.st_mode & 0222) == 0) return false;
    return ::access(path.c_str(), W_OK) == 0;
}

}  // namespace

QString classFolderProblem(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir()) {
        return QObject::tr("%1 is not a folder.").arg(QDir::toNativeSeparators(folder));
    }
    const std::string held = fromSystemPath(QDir(folder).absolutePath().toStdString());
    try {
        admin::openInstallation(held);
    } catch (const admin::CommandFailed& failed) {
        return QString::fromStdString(failed.what());
    }
    // The desk changes the class's settings and its sign-in list: the account must be allowed
    // to write both (in place, where the folder itself is the teacher's and not writable).
    const std::string globals = globalSettingsPath(held), users = userListPath(held);
    const bool folderWritable = mayWrite(held);
    if (!mayWrite(globals) || (fileLength(users).has_value() && !mayWrite(users))) {
        return QObject::tr(
                   "This account may not change the class in %1: its settings "
                   "(GLOBSET.WQ) and sign-in list (USERS.WQ) can only be read here. Open "
                   "it from the account that made the class, or ask for the right to "
                   "change those files.")
            .arg(QString::fromStdString(admin::terminalPath(held)));
    }
    if (!folderWritable && !fileLength(users).has_value()) {
        return QObject::tr("This account may not make files in %1.")
            .arg(QString::fromStdString(admin::terminalPath(held)));
    }
    return {};
}

QString makeClass(const QString& folder, const QString& installedPrograms) {
    admin::ClassInitOptions options;
    options.dir = fromSystemPath(QDir(folder).absolutePath().toStdString());
    options.programs = true;
    if (!installedPrograms.isEmpty())
        options.from = fromSystemPath(installedPrograms.toStdString());
    try {
        admin::initClass(options);
    } catch (const admin::CommandFailed& failed) {
        return QString::fromStdString(failed.what());
    }
    return {};
}

QString useClassLanguage(const QString& folder, const QString& translationsFolder) {
    const std::string language =
        folder.isEmpty()
            ? desktopLanguage()
            : chosenLanguage(fromSystemPath(QDir(folder).absolutePath().toStdString()));
    const QString inForce = ui::installTranslations(
        QString::fromStdString(language),
        translationsFolder.isEmpty() ? QCoreApplication::applicationDirPath() : translationsFolder,
        QStringLiteral("desk"));
    // Days and months in the same language as the words: in English the desktop's own English
    // ways (else the C locale's English names, as the desk has always written them), in the
    // other languages the language's own.
    const QLocale system = QLocale::system();
    if (inForce != QLatin1String("en"))
        QLocale::setDefault(QLocale(inForce));
    else
        QLocale::setDefault(system.language() == QLocale::English ? system : QLocale::c());
    return inForce;
}

QString lastClassFolder() { return deskSettings().value("classFolder").toString(); }

void rememberClassFolder(const QString& folder) {
    deskSettings().setValue("classFolder", QDir(folder).absolutePath());
}

void restoreWindowSize(QMainWindow& window) {
    const QByteArray geometry = deskSettings().value("windowGeometry").toByteArray();
    if (!geometry.isEmpty()) window.restoreGeometry(geometry);
    // Never larger than the screen: every control stays in reach on a small one.
    if (const QScreen* screen = window.screen()) {
        window.resize(window.size().boundedTo(screen->availableGeometry().size() - QSize(16, 48)));
    }
}

void rememberWindowSize(const QMainWindow& window) {
    deskSettings().setValue("windowGeometry", window.saveGeometry());
}

StartWindow::StartWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Teacher's Desk"));
    setObjectName("DeskStart");
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(
        tr("The desk works on one class folder: its children, settings, word lists and stories. "
           "Open the folder of a class, or make a new class."),
        this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* open = new QPushButton(tr("&Open a class folder..."), this);
    open->setAccessibleName(tr("Open a class folder"));
    auto* make = new QPushButton(tr("&Make a new class..."), this);
    make->setAccessibleName(tr("Make a new class"));
    auto* quit = new QPushButton(tr("&Quit"), this);
    quit->setAccessibleName(tr("Quit"));
    for (auto* b : {open, make, quit}) {
        b->setAutoDefault(false);
        layout->addWidget(b);
    }
    open->setDefault(true);
    connect(open, &QPushButton::clicked, this, &StartWindow::chooseFolder);
    connect(make, &QPushButton::clicked, this, &StartWindow::makeNewClass);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    m_startFolder = QDir::homePath();
}

QString StartWindow::askFolder(const QString& caption) {
    return QFileDialog::getExistingDirectory(
        this, caption, m_startFolder, QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}

void StartWindow::chooseFolder() {
    const QString folder = askFolder(tr("Open a class folder"));
    if (folder.isEmpty()) return;
    if (const QString problem = classFolderProblem(folder); !problem.isEmpty()) {
        QMessageBox::warning(this, tr("Teacher's Desk"), problem);
        return;
    }
    m_folder = folder;
    accept();
}

void StartWindow::makeNewClass() {
    const QString folder = askFolder(tr("Make a new class in this folder"));
    if (folder.isEmpty()) return;
    if (const QString failed = makeClass(folder, m_installed); !failed.isEmpty()) {
        QMessageBox::warning(this, tr("Teacher's Desk"), failed);
        return;
    }
    if (const QString problem = classFolderProblem(folder); !problem.isEmpty()) {
        QMessageBox::warning(this, tr("Teacher's Desk"), problem);
        return;
    }
    m_folder = folder;
    accept();
}

}  // namespace kz::desk
