#pragma once

#include <string>
#include <utility>
#include <variant>

namespace kz {

// Why a file the programs cannot do without could not be read: its type selects the wording of
// the message ("settingload", "file", "badfile", ...), its detail is normally the file's full
// path. The session treats it as fatal (session/fatal_error.h).
struct FileError {
    std::string type;
    std::string detail;
    bool operator==(const FileError&) const = default;
};

// A value, or the error that prevented it.
template <typename T>
class Result {
public:
    Result(T value) : m_v(std::move(value)) {}          // NOLINT: implicit by design
    Result(FileError error) : m_v(std::move(error)) {}  // NOLINT
    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<0>(m_v); }
    T& value() & { return std::get<0>(m_v); }
    T&& value() && { return std::get<0>(std::move(m_v)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }
    const FileError& error() const { return std::get<1>(m_v); }

private:
    std::variant<T, FileError> m_v;
};

}  // namespace kz
