// Every Windows-1252 text survives the trip to UTF-8 and back; UTF-8 that converts comes back
// as the same bytes.
#include <cstdlib>

#include "files/cp1252.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto bytes = kz::fuzz::bytesOf(data, size);
    const auto back = kz::utf8ToCp1252(kz::cp1252ToUtf8(bytes));
    if (!back || *back != bytes) std::abort();
    if (const auto cp = kz::utf8ToCp1252(bytes)) {
        if (kz::cp1252ToUtf8(*cp) != bytes) std::abort();
    }
    return 0;
}
