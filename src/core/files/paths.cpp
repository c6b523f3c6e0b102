#include "files/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "files/cp1252.h"
#include "files/save_journal.h"
#include "files/text.h"

namespace fs = std::filesystem;

namespace kz {

std::string joinPath(std::string_view dir, std::string& name) {
    const auto first = name.find_first_not_of('\\');
    name.erase(0, first == std::string::npos ? name.size() : first);
    if (!dir.empty() && (dir.back() == ':' || dir.back() == '\\')) return std::string(dir) + name;
    return std::string(dir) + "\\" + name;
}

std::string joinPath(std::string_view dir, std::string_view name) {
    std::string copy(name);
    return joinPath(dir, copy);
}

std::string shownPath(std::string_view path) {
    std::string shown(path);
    std::replace(shown.begin(), shown.end(), '\\', '/');
    return shown;
}

namespace {

std::vector<std::string> splitComponents(std::string_view path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!current.empty()) parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(std::move(current));
    return parts;
}

// The entry of folder whose name equals component (file text) but for letter case; empty when
// none. Entries whose names Windows-1252 cannot hold match nothing.
std::string caseInsensitiveMatch(const fs::path& folder, const std::string& component) {
    const std::string wanted = toLowerCp1252(component);
    std::vector<std::string> matches;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
         !ec && it != end; it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        const auto asFileText = utf8ToCp1252(candidate);
        if (asFileText && toLowerCp1252(*asFileText) == wanted) {
            matches.push_back(std::move(candidate));
        }
    }
    if (matches.empty()) return {};
    return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

std::string resolvePath(std::string_view path) {
    const bool absolute = !path.empty() && (path.front() == '/' || path.front() == '\\');
    fs::path result = absolute ? fs::path("/") : fs::path();
    bool resolving = true;
    for (const auto& component : splitComponents(path)) {
        const std::string onDisk = cp1252ToUtf8(component);
        fs::path next = result / onDisk;
        std::error_code ec;
        if (resolving && component != "." && component != ".." && !fs::exists(next, ec)) {
            if (onDisk != component && fs::exists(result / component, ec)) {
                next = result / component;  // the system's own bytes
            } else if (const std::string match = caseInsensitiveMatch(result, component);
                       !match.empty()) {
                next = result / match;
            } else {
                resolving = false;
            }
        }
        result = std::move(next);
    }
    return result.string();
}

bool sameDirectory(std::string_view a, std::string_view b) {
    return a == b || resolvePath(a) == resolvePath(b);
}

std::string fromSystemPath(std::string_view systemPath) {
    auto fileText = utf8ToCp1252(systemPath);
    return fileText ? *fileText : std::string(systemPath);
}

bool storablePath(std::string_view path) { return !isUtf8BeyondCp1252(path); }

std::optional<std::uintmax_t> fileLength(std::string_view path) {
    const std::string real = resolvePath(path);
    std::error_code ec;
    if (!fs::is_regular_file(real, ec)) return std::nullopt;
    const int fd = ::open(real.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    const bool ok = ::fstat(fd, &st) == 0;
    ::close(fd);
    if (!ok) return std::nullopt;
    return static_cast<std::uintmax_t>(st.st_size);
}

namespace {

// Waits for any save in progress (updateFile holds a write lock on the file while it writes).
// Where the file system keeps no locks the file is read as it is.
void lockForReading(int fd) {
    struct flock lock {};
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    while (::fcntl(fd, F_SETLKW, &lock) < 0 && errno == EINTR) {
    }
}

}  // namespace

std::optional<std::string> readWholeFile(std::string_view path, std::uintmax_t maxBytes) {
    const std::string real = resolvePath(path);
    // Non-blocking, so that opening a FIFO cannot wait for a writer; it is refused below.
    const int fd = ::open(real.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    // A file written in place briefly holds a copy of its new content after the old one.
    const std::uintmax_t onDiskLimit = maxBytes > kMaxReadBytes ? maxBytes : 2 * maxBytes + 1024;
    std::optional<std::string> result;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) lockForReading(fd);
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<std::uintmax_t>(st.st_size) <= onDiskLimit) {
        std::string bytes;
        bytes.reserve(static_cast<size_t>(st.st_size));
        char buffer[65536];
        bool ok = true;
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) ok = false;
            if (n <= 0) break;
            bytes.append(buffer, static_cast<size_t>(n));
            if (bytes.size() > onDiskLimit) {  // grew while being read
                ok = false;
                break;
            }
        }
        // A write in place stopped half-way: the copy of the new content once it is whole, else
        // the old content before it.
        if (ok) {
            const SavedContent saved = savedContent(bytes);
            if (saved.wholeCopy || saved.tornCopy) bytes = std::string(saved.content);
        }
        if (ok && bytes.size() <= maxBytes) result = std::move(bytes);
    }
    ::close(fd);
    return result;
}

}  // namespace kz
