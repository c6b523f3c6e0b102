// A log update on any LOG.WQ bytes, user name and entry: the new text holds the entry under the
// user's header, keeps the old text's sections, and a file written with it reads back as it.
#include <cstdlib>

#include "files/tracking_log.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = kz::fuzz::splitParts(kz::fuzz::bytesOf(data, size), 3);
    const std::string_view file = parts[0], name = parts[1], entry = parts[2];
    const auto text = kz::decodeLogText(file);
    if (!text) return 0;
    const std::string updated = kz::insertLogEntry(*text, entry, name);
    const size_t added = updated.size() - text->size();
    const size_t newSection = std::string_view("=====\r\nLog for \r\n\r\n").size() + name.size();
    if (updated.size() < text->size() ||
        (added != entry.size() + 2 && added != entry.size() + 2 + newSection)) {
        std::abort();
    }
    if (updated.find(std::string(entry) + "\r\n") == std::string::npos) std::abort();
    if (updated.size() <= kz::kLogTextLimit) {
        const auto reread = kz::decodeLogText(kz::encodeLogFile(file, updated));
        if (!reread || *reread != updated) std::abort();
    }
    return 0;
}
