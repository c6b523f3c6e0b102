#include "files/shown_text.h"

#include <utility>
#include <vector>

namespace kz {
namespace {

TextTranslator& installed() {
    static TextTranslator translator;
    return translator;
}

}  // namespace

void setTextTranslator(TextTranslator translator) { installed() = std::move(translator); }

std::string translate(const char* context, const char* english) {
    std::string text;
    if (const auto& translator = installed()) text = translator(context, english);
    if (text.empty()) text = english;
    // Lines end in CR LF in the messages, as everywhere in the programs' texts.
    std::string out;
    out.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(text[i + 1] - '1');
            if (n < values.size()) {
                out += values[n];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace kz
