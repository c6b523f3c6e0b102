#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <string>

class QFileSystemWatcher;
class QTimer;

namespace kz::desk {

// The class folder the desk works on (an installation directory: GLOBSET.WQ, USERS.WQ, the log,
// the children's settings files) and the data directory its GLOBSET.WQ names (word lists,
// recordings, stories). Paths are held as the core holds them (Windows-1252 file text); the
// pages read and write every file through the core and wqadmin's engine, never on their own.
//
// It watches those folders and files: when one changes on disk (a child's session written to
// the log, another desk saving) it says so once the burst of changes has settled, so each page
// reads again what it shows.
class DeskClass : public QObject {
    Q_OBJECT
public:
    // Fails with a message (kz::admin::CommandFailed) when dir is not a class folder.
    explicit DeskClass(const std::string& dir, QObject* parent = nullptr);
    ~DeskClass() override;

    const std::string& appDir() const { return m_appDir; }
    const std::string& dataDir() const { return m_dataDir; }
    // The folder as the teacher reads it ("/" between folders, UTF-8), for titles and messages.
    QString shownFolder() const;

    // Reads GLOBSET.WQ again (after the data directory changed) and watches the new folders.
    void reopen();

signals:
    // Something in the class folder or its data directory changed on disk.
    void filesChanged();

private:
    void watchAll();

    std::string m_appDir, m_dataDir;
    QFileSystemWatcher* m_watcher;
    QTimer* m_settle;
};

}  // namespace kz::desk
