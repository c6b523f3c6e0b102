#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace kz {

// A fault that ends the program: its type selects the wording, its detail is normally the full
// path of the file concerned.
struct FatalError {
    std::string type;
    std::string detail;
    bool operator==(const FatalError&) const = default;
};

// The message box a fatal error shows.
struct FatalMessage {
    std::string text;
    // Empty: the program's own caption.
    std::string caption;
};

// The wording of every fatal-error type; unknown types get a generic text naming the type.
// dataDir is used only by "badstart".
FatalMessage fatalMessage(const FatalError& error, std::string_view dataDir);

// A value, or the fatal error that prevented it.
template <typename T>
class Result {
public:
    Result(T value) : m_v(std::move(value)) {}           // NOLINT: implicit by design
    Result(FatalError error) : m_v(std::move(error)) {}  // NOLINT
    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<0>(m_v); }
    T& value() & { return std::get<0>(m_v); }
    T&& value() && { return std::get<0>(std::move(m_v)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }
    const FatalError& error() const { return std::get<1>(m_v); }

private:
    std::variant<T, FatalError> m_v;
};

}  // namespace kz
