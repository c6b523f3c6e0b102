// Every write of the programs and of wqadmin ends here: locked, re-read, changed, and written
// whole without tearing where the folder allows it.
#include "files/file_update.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "files/paths.h"
#include "files/save_journal.h"

namespace fs = std::filesystem;

namespace kz {
namespace {

SaveFaults& saveFaults() {
    static SaveFaults faults;
    return faults;
}

// The errno a test wants step to fail with; 0 when none.
int injectedFault(SaveStep step) {
    const SaveFaults& faults = saveFaults();
    return faults ? faults(step) : 0;
}

// Fails with the fault a test injects at step: sets errno and returns true.
bool failsAt(SaveStep step) {
    const int fault = injectedFault(step);
    if (fault != 0) errno = fault;
    return fault != 0;
}

// A descriptor closed on scope exit. Closing any descriptor of a file drops this process's
// fcntl locks on it, so the file is opened once and everything goes through this one.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    void reset(int fd) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = fd;
    }
    // Closes now, reporting whether the data reached the file system.
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// A temporary file beside the target, removed unless it was renamed or linked into place.
// Saves under the target's lock reuse one name, cleared first, so that a save killed half-way
// leaves one file that the next save clears rather than a pile of them; a new file is created
// through a unique name, since nothing serialises its creators.
class TempFile {
public:
    TempFile(const fs::path& target, bool underLock) : m_fd(-1) {
        const std::string stem = (folderOf(target) / ("." + target.filename().string())).string();
        if (const int fault = injectedFault(SaveStep::OpenTemporary)) {
            m_error = fault;
            return;
        }
        if (underLock) {
            m_path = stem + ".new";
            ::unlink(m_path.c_str());
            m_fd.reset(
                ::open(m_path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
            if (m_fd.get() >= 0) return;
        }
        m_path = stem + ".XXXXXX";
        m_fd.reset(::mkstemp(m_path.data()));
        if (m_fd.get() < 0) {
            m_error = errno;
            return;
        }
        // Held while the file is written: what tells clearStaleTemporaries it is in use.
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        (void)::fcntl(m_fd.get(), F_SETLK, &lock);
    }
    ~TempFile() {
        if (!m_kept) ::unlink(m_path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    static fs::path folderOf(const fs::path& target) {
        return target.parent_path().empty() ? fs::path(".") : target.parent_path();
    }
    bool created() const { return m_fd.get() >= 0; }
    // The folder refuses new files: its permissions, or a read-only file system.
    bool folderRefused() const { return m_error == EACCES || m_error == EPERM || m_error == EROFS; }
    int fd() const { return m_fd.get(); }
    bool close() { return m_fd.close(); }
    const std::string& path() const { return m_path; }
    void keep() { m_kept = true; }

private:
    std::string m_path;
    Descriptor m_fd;
    int m_error = 0;
    bool m_kept = false;
};

bool writeAt(int fd, std::string_view bytes, off_t at = 0) {
    if (const int fault = injectedFault(SaveStep::Write)) {
        (void)!::pwrite(fd, bytes.data(), bytes.size() / 2, at);
        if (fault < 0) ::raise(-fault);
        errno = fault;
        return false;
    }
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, at + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The whole file as it is on disk, journal included; nullopt when it cannot be read or holds
// more than limit bytes (checked as it is read too, since a file can grow meanwhile).
std::optional<std::string> readAll(int fd, std::uintmax_t limit) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || static_cast<std::uintmax_t>(st.st_size) > limit) {
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (off_t offset = 0;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return bytes;
        bytes.append(buffer, static_cast<size_t>(n));
        if (bytes.size() > limit) return std::nullopt;
        offset += n;
    }
}

bool syncFile(int fd) { return !failsAt(SaveStep::Sync) && ::fsync(fd) == 0; }

// A rename is durable only once the folder holding the names is synced.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// What open() would give a new file: 0666 less the process's umask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Links followed before a chain counts as a loop, as the kernel counts them.
constexpr int kMaxLinkHops = 40;

// The file a save writes: the resolved path, a symbolic link followed to its target, also where
// the target does not exist yet (a settings file linked into a share is made there by its first
// save, where the share's folder exists). nullopt, with errno ELOOP, for a chain of links that
// does not end.
std::optional<std::string> saveTarget(std::string_view path) {
    fs::path target = resolvePath(path);
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target.string();
        std::error_code ec;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return std::nullopt;
        target = next.is_absolute() ? next : TempFile::folderOf(target) / next;
    }
    errno = ELOOP;
    return std::nullopt;
}

std::string upperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// Whether name is that of a new file's temporary file (".NAME.XXXXXX", as mkstemp makes it)
// for a file with the extension ext (upper case).
bool isCreationTemporary(const std::string& name, const std::string& ext) {
    if (name.size() < 9 || name[0] != '.' || name[name.size() - 7] != '.') return false;
    for (size_t i = name.size() - 6; i < name.size(); ++i) {
        const char c = name[i];
        const bool alnum =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alnum) return false;
    }
    const fs::path made(name.substr(1, name.size() - 8));
    return upperAscii(made.extension().string()) == ext;
}

// A creation killed before its link leaves its temporary file behind. A creator holds a lock
// on its file while it writes it, so one that nobody locks and that has not changed for a
// minute belongs to a creation that ended: a save clears those beside its file that have the
// same extension (the installation's .WQ files, a report's .html).
void clearStaleTemporaries(const fs::path& target) {
    const std::string ext = upperAscii(target.extension().string());
    if (ext.empty()) return;  // no kind to tell them by
    const fs::path folder = TempFile::folderOf(target);
    const time_t staleBefore = ::time(nullptr) - 60;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!isCreationTemporary(name, ext)) continue;
        const int fd = ::open(it->path().c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_mtime < staleBefore &&
            ::fcntl(fd, F_SETLK, &lock) == 0) {
            ::unlink(it->path().c_str());
        }
        ::close(fd);
    }
}

// Where a symbolic link leads, folders above the end resolved; a dangling link gives the file
// it names, which a save then creates.
fs::path linkTarget(const std::string& link) {
    std::error_code ec;
    const fs::path named = fs::read_symlink(link, ec);
    if (ec) return link;
    const fs::path target = (fs::path(link).parent_path() / named).lexically_normal();
    const fs::path resolved = fs::weakly_canonical(target, ec);
    return ec ? target : resolved;
}

// An installation of the programs: kiv and zan in the folder as files of their own (a class
// folder holds them as links).
bool isInstallation(const fs::path& folder) {
    struct stat st {};
    for (const char* program : {"kiv", "zan"}) {
        if (::lstat((folder / program).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    }
    return true;
}

// A symbolic link to a file in an installation or below it (a class's link to the installed
// sample library), dangling or not.
bool linksIntoInstallation(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return false;
    const fs::path target = linkTarget(path);
    for (fs::path folder = target.parent_path(); !folder.empty(); folder = folder.parent_path()) {
        if (isInstallation(folder)) return true;
        if (folder == folder.root_path()) break;
    }
    return false;
}

// A class's link into the installation is replaced by a file of the class's own, the installed
// file read through it and never written: the installation stays as the package made it. The
// link's folder must allow new files; two saves racing here each replace the link whole, and
// the later one stays.
bool replaceLink(const std::string& link, IfMissing ifMissing, const FileChange& change) {
    Descriptor installed(::open(link.c_str(), O_RDONLY | O_CLOEXEC));
    std::optional<std::string> current = std::string();
    if (installed.get() >= 0) {
        current = readAll(installed.get(), kMaxReadBytes);
    } else if (errno != ENOENT || ifMissing == IfMissing::Fail) {
        return false;
    }
    if (!current) return false;
    const auto next = change(*current);
    if (!next) return false;
    TempFile temp(link, false);
    if (!temp.created()) return false;
    bool ok =
        writeAt(temp.fd(), *next) && ::fchmod(temp.fd(), newFileMode()) == 0 && syncFile(temp.fd());
    ok = temp.close() && ok;
    // rename() replaces the link itself, never what it points at.
    if (!ok || failsAt(SaveStep::Replace) || ::rename(temp.path().c_str(), link.c_str()) != 0) {
        return false;
    }
    temp.keep();
    syncFolder(TempFile::folderOf(link));
    return true;
}

enum class Replace { Done, FolderRefused, Failed };

// The new content in a temporary file with the old file's mode and group, flushed, renamed over
// the old name, and the folder synced.
Replace replaceWhole(const fs::path& target, std::string_view bytes, const struct stat* old) {
    TempFile temp(target, true);
    if (!temp.created()) return temp.folderRefused() ? Replace::FolderRefused : Replace::Failed;
    bool ok = writeAt(temp.fd(), bytes);
    // Owner and group first: changing them may clear set-id bits that the mode then restores.
    // The group is kept where the writer belongs to it (elsewhere the writer's stays); the owner
    // only an administrator can keep.
    if (old) {
        const uid_t owner = ::geteuid() == 0 ? old->st_uid : static_cast<uid_t>(-1);
        (void)!::fchown(temp.fd(), owner, old->st_gid);
    }
    ok = ok && ::fchmod(temp.fd(), old ? (old->st_mode & 07777) : newFileMode()) == 0;
    ok = ok && syncFile(temp.fd());
    ok = temp.close() && ok;
    if (!ok) return Replace::Failed;
    if (failsAt(SaveStep::Replace) || ::rename(temp.path().c_str(), target.c_str()) != 0) {
        // A folder with the sticky bit lets only the file's owner replace it.
        return errno == EACCES || errno == EPERM ? Replace::FolderRefused : Replace::Failed;
    }
    temp.keep();
    syncFolder(TempFile::folderOf(target));
    clearStaleTemporaries(target);
    return Replace::Done;
}

// Where only the file is writable, over the old content (the file's present bytes): first a
// copy of the new content past both, synced (readers take the copy while it ends the file);
// then the content from the start, the length (which drops the copy), and a sync. A kill at any
// point leaves the old content or the copy of the new one readable. A failure leaves the old
// content: during the copy the length drops it, afterwards the old bytes go back over the same
// blocks, where they fitted before. See docs/saving.md.
bool writeInPlace(int fd, std::string_view bytes, std::string_view old) {
    const auto journalAt = static_cast<off_t>(journalOffset(old.size(), bytes.size()));
    if (!writeAt(fd, encodeSaveJournal(bytes, old.size()), journalAt) || !syncFile(fd)) {
        (void)!::ftruncate(fd, static_cast<off_t>(old.size()));
        return false;
    }
    if (writeAt(fd, bytes) && !failsAt(SaveStep::Truncate) &&
        ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && syncFile(fd)) {
        return true;
    }
    // Should this fail too, the copy still ends the file, and it reads as the new content.
    if (writeAt(fd, old) && ::ftruncate(fd, static_cast<off_t>(old.size())) == 0) {
        (void)syncFile(fd);
    }
    return false;
}

// Finishes an in-place write stopped after its copy reached the file: the copy goes to the start
// and the length drops it, the copy staying in place until then.
bool finishInPlace(int fd, std::string_view bytes) {
    return writeAt(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
           syncFile(fd);
}

enum class Create { Done, Exists, Failed };

// A new file, whole or not at all; never over one another process made meanwhile.
Create createWhole(const fs::path& target, std::string_view bytes) {
    TempFile temp(target, false);
    if (!temp.created()) return Create::Failed;
    bool ok =
        writeAt(temp.fd(), bytes) && ::fchmod(temp.fd(), newFileMode()) == 0 && syncFile(temp.fd());
    ok = temp.close() && ok;
    if (!ok) return Create::Failed;
    if (failsAt(SaveStep::Replace)) return Create::Failed;
    if (::link(temp.path().c_str(), target.c_str()) != 0) {
        if (errno == EEXIST) return Create::Exists;
        // Some network file systems have no hard links: a rename is the next best.
        if (::rename(temp.path().c_str(), target.c_str()) != 0) return Create::Failed;
        temp.keep();
    }
    syncFolder(TempFile::folderOf(target));
    clearStaleTemporaries(target);
    return Create::Done;
}

bool lockWhole(int fd) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    int rc;
    while ((rc = ::fcntl(fd, F_SETLKW, &lock)) < 0 && errno == EINTR) {
    }
    return rc == 0;
}

// Another process may have renamed a new version over the name while this one waited for the
// lock; the lock then guards a file nobody reads any more.
bool stillNamedBy(const struct stat& mine, const std::string& path) {
    struct stat named {};
    return ::stat(path.c_str(), &named) == 0 && mine.st_dev == named.st_dev &&
           mine.st_ino == named.st_ino;
}

// Tries of one save before it gives up: each follows another writer's creation or replacement
// of the file, so even hundreds of writers at once finish well within it.
constexpr int kMaxSaveAttempts = 1000;

// A file written in place holds, for a moment, its content and a copy of the new one.
constexpr std::uintmax_t kMaxStoredBytes = 2 * kMaxReadBytes + 1024;

}  // namespace

void setSaveFaultsForTests(SaveFaults faults) { saveFaults() = std::move(faults); }

bool updateFile(std::string_view path, IfMissing ifMissing, const FileChange& change) {
    const std::string named = resolvePath(path);
    if (linksIntoInstallation(named)) return replaceLink(named, ifMissing, change);
    const auto target = saveTarget(path);
    if (!target) return false;
    // Each new try follows another writer's progress (a file created or renamed meanwhile); a
    // bound keeps a name that can never be opened nor created from spinning for ever.
    for (int attempt = 0; attempt < kMaxSaveAttempts; ++attempt) {
        Descriptor file(failsAt(SaveStep::OpenFile) ? -1
                                                    : ::open(target->c_str(), O_RDWR | O_CLOEXEC));
        if (file.get() < 0) {
            if (errno != ENOENT || ifMissing == IfMissing::Fail) return false;
            const auto bytes = change({});
            if (!bytes) return false;
            const Create created = createWhole(*target, *bytes);
            if (created == Create::Exists) continue;
            return created == Create::Done;
        }
        struct stat st {};
        if (!lockWhole(file.get()) || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
            return false;
        }
        if (!stillNamedBy(st, *target)) continue;
        const auto onDisk = readAll(file.get(), kMaxStoredBytes);
        if (!onDisk) return false;
        const SavedContent saved = savedContent(*onDisk);
        const std::string current(saved.content);
        // An in-place write stopped half-way: finished from its copy, or the copy stopped
        // before it was whole dropped.
        if (saved.wholeCopy && !finishInPlace(file.get(), current)) return false;
        if (saved.tornCopy && ::ftruncate(file.get(), static_cast<off_t>(current.size())) != 0) {
            return false;
        }
        if (current.size() > kMaxReadBytes) return false;
        const auto next = change(current);
        if (!next) return false;
        switch (replaceWhole(*target, *next, &st)) {
            case Replace::Done:
                return true;
            case Replace::FolderRefused:
                // A write cut short (a full disk, the file size limit) or a failed sync leaves
                // the old content.
                return writeInPlace(file.get(), *next, current);
            case Replace::Failed:
                return false;
        }
        return false;
    }
    errno = EAGAIN;
    return false;
}

bool writeFileAtomically(std::string_view path, std::string_view bytes) {
    return updateFile(path, IfMissing::Create,
                      [&](std::string_view) { return std::optional<std::string>(bytes); });
}

}  // namespace kz
