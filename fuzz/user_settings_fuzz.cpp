// Any bytes read as a settings file give a whole record that keeps every byte the file held;
// its option words decode to values in their ranges, and the decoders are stable: what they
// give encodes to a word that decodes the same.
#include <cstdlib>

#include "files/user_settings.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto bytes = kz::fuzz::bytesOf(data, size);
    const auto s = kz::UserSettings::decode(bytes);
    const std::string& record = s.encode();
    if (record.size() != kz::UserSettings::kSize) std::abort();
    const size_t kept = std::min(bytes.size(), record.size());
    if (record.compare(0, kept, bytes.substr(0, kept)) != 0) std::abort();

    const auto kiv = kz::decodeKivOptions(s.kivOptions());
    if (kiv.questionStyle < 1 || kiv.questionStyle > 3) std::abort();
    if (kiv.answerStyle < 1 || kiv.answerStyle > 4) std::abort();
    if (kiv.showTimeMs < 0 || kiv.showTimeMs > 4000 || kiv.padCount < 1) std::abort();
    if (kz::decodeKivOptions(kz::encodeKivOptions(kiv)) != kiv) std::abort();
    const auto zan = kz::decodeZanOptions(s.zanOptions());
    if (kz::decodeZanOptions(kz::encodeZanOptions(zan)) != zan) std::abort();

    const std::string range = kz::wordRange(s);
    if (range.empty() || range.size() > kz::UserSettings::kNameWidth) std::abort();
    return 0;
}
