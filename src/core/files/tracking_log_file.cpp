// The log's read-modify-write on disk, serialised across processes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/paths.h"
#include "files/tracking_log.h"

namespace kz {
namespace {

// An open descriptor holding a write lock on the whole file, closed (and so unlocked) on scope
// exit.
class LockedFile {
public:
    explicit LockedFile(const std::string& path) : m_fd(::open(path.c_str(), O_RDWR | O_CLOEXEC)) {
        if (m_fd < 0) return;
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        int rc;
        while ((rc = ::fcntl(m_fd, F_SETLKW, &lock)) < 0 && errno == EINTR) {
        }
        if (rc < 0) close();
    }
    ~LockedFile() { close(); }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    bool locked() const { return m_fd >= 0; }

    // Another process may have replaced the file by renaming its new version over the name
    // while we waited for the lock; then our lock guards a file nobody reads any more.
    bool stillNamedBy(const std::string& path) const {
        struct stat mine {
        }, named{};
        return ::fstat(m_fd, &mine) == 0 && ::stat(path.c_str(), &named) == 0 &&
               mine.st_dev == named.st_dev && mine.st_ino == named.st_ino;
    }

    std::optional<std::string> readAll() const {
        std::string bytes;
        char buffer[8192];
        for (off_t offset = 0;;) {
            const ssize_t n = ::pread(m_fd, buffer, sizeof buffer, offset);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return std::nullopt;
            if (n == 0) return bytes;
            bytes.append(buffer, static_cast<size_t>(n));
            offset += n;
        }
    }

private:
    void close() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }
    int m_fd;
};

}  // namespace

std::string logPath(std::string_view appDir) { return joinPath(appDir, "LOG.WQ"); }

AppendOutcome appendToLog(std::string_view appDir, std::string_view entry,
                          std::string_view userName) {
    const std::string path = resolvePath(logPath(appDir));
    for (;;) {
        LockedFile file(path);
        if (!file.locked()) return {};
        if (!file.stillNamedBy(path)) continue;
        const auto bytes = file.readAll();
        if (!bytes || bytes->empty()) return {};
        const auto text = decodeLogText(*bytes);
        if (!text) return {};
        AppendOutcome outcome;
        outcome.warnTooLong = text->size() > kLogWarnLength;
        const std::string updated = insertLogEntry(*text, entry, userName);
        if (updated.size() > kLogTextLimit) return outcome;
        outcome.written = writeFileAtomically(path, encodeLogFile(*bytes, updated));
        return outcome;
    }
}

}  // namespace kz
