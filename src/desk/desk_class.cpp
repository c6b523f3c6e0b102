#include "desk_class.h"

#include <QDir>
#include <QFileSystemWatcher>
#include <QTimer>

#include "admin_common.h"
#include "files/paths.h"

namespace kz::desk {

namespace {

// The folders whose files the pages show: the class folder itself and the data folders.
const char* const kDataFolders[] = {"", "WORDLIST", "WAVS", "WAVS\\WDS", "DATA", "BMPS"};

QString systemPath(const std::string& heldPath) {
    return QString::fromStdString(resolvePath(heldPath));
}

}  // namespace

DeskClass::DeskClass(const std::string& dir, QObject* parent)
    : QObject(parent), m_watcher(new QFileSystemWatcher(this)), m_settle(new QTimer(this)) {
    const auto inst = admin::openInstallation(dir);
    m_appDir = inst.appDir;
    m_dataDir = inst.dataDir;
    // A save is a burst of events (a temporary file, a rename, a length set): one reading after
    // it has settled is enough.
    m_settle->setSingleShot(true);
    m_settle->setInterval(150);
    connect(m_settle, &QTimer::timeout, this, [this] {
        watchAll();  // a file replaced by rename is a new file: watch it again
        emit filesChanged();
    });
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_settle, qOverload<>(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_settle,
            qOverload<>(&QTimer::start));
    watchAll();
}

DeskClass::~DeskClass() = default;

// terminalPath gives the folder as UTF-8 already, letters outside Windows-1252 included.
QString DeskClass::shownFolder() const {
    return QString::fromStdString(admin::terminalPath(m_appDir));
}

void DeskClass::reopen() {
    const auto inst = admin::openInstallation(m_appDir);
    m_dataDir = inst.dataDir;
    watchAll();
    emit filesChanged();
}

void DeskClass::watchAll() {
    if (!m_watcher->files().isEmpty()) m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty()) m_watcher->removePaths(m_watcher->directories());
    QStringList paths;
    const auto addFolder = [&paths](const std::string& folder) {
        const QString path = systemPath(folder);
        const QDir dir(path);
        if (!dir.exists()) return;
        paths << path;
        for (const QString& name : dir.entryList(QDir::Files)) paths << dir.filePath(name);
    };
    for (const char* sub : kDataFolders) {
        if (*sub == '\0') {
            addFolder(m_appDir);
            if (!sameDirectory(m_appDir, m_dataDir)) addFolder(m_dataDir);
        } else {
            addFolder(joinPath(m_dataDir, sub));
        }
    }
    paths.removeDuplicates();
    if (!paths.isEmpty()) m_watcher->addPaths(paths);
}

}  // namespace kz::desk
