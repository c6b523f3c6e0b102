// Any bytes read as GLOBSET.WQ give a whole record that keeps every byte the file held.
#include <cstdlib>

#include "files/global_settings.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto bytes = kz::fuzz::bytesOf(data, size);
    const auto g = kz::GlobalSettings::decode(bytes);
    const std::string& record = g.encode();
    if (record.size() != kz::GlobalSettings::kSize) std::abort();
    const size_t kept = std::min(bytes.size(), record.size());
    if (record.compare(0, kept, bytes.substr(0, kept)) != 0) std::abort();
    if (g.password().size() > kz::GlobalSettings::kPasswordWidth) std::abort();
    if (g.dataDir().size() > kz::GlobalSettings::kDataDirWidth) std::abort();
    if (kz::GlobalSettings::decode(record).encode() != record) std::abort();
    return 0;
}
