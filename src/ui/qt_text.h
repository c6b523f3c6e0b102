#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace kz::ui {

// Windows-1252 file text to the screen's Unicode and back, through the core's one table.
QString fromFileText(std::string_view cp1252);
// nullopt when the text holds characters that Windows-1252 cannot store.
std::optional<std::string> toFileText(const QString& text);

}  // namespace kz::ui
