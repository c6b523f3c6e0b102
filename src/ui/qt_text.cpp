#include "qt_text.h"

#include "files/cp1252.h"

namespace kz::ui {

QString fromFileText(std::string_view cp1252) {
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

std::optional<std::string> toFileText(const QString& text) {
    return utf8ToCp1252(text.toStdString());
}

}  // namespace kz::ui
