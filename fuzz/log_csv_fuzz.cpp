// Any log text, of any length, gives CSV: the header row, then whole rows.
#include <cstdlib>

#include "fuzz_input.h"
#include "log_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto text = kz::fuzz::bytesOf(data, size);
    const std::string csv = kz::admin::logCsv(text);
    const std::string_view header = "user,start,minutes,program\n";
    if (csv.compare(0, header.size(), header) != 0 || csv.back() != '\n') std::abort();
    return 0;
}
