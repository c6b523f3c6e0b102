#include "files/field_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "files/text.h"

namespace kz {
namespace {

std::vector<std::string> allFields(std::string_view bytes) {
    FieldReader reader(bytes);
    std::vector<std::string> out;
    while (auto field = reader.next()) out.push_back(*field);
    return out;
}

TEST(FieldReader, SplitsAtCommasAndLineEnds) {
    struct Case {
        const char* bytes;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"", {}},
        {" \r\n\t\r\n", {}},
        {"cat, dog,pig ,  hen", {"cat", "dog", "pig", "hen"}},
        {"one\r\ntwo\nthree\rfour", {"one", "two", "three", "four"}},
        {"a,,b", {"a", "", "b"}},
        {"a,\r\n\r\n  b\r\n", {"a", "b"}},  // blank lines are skipped, not fields
        {"\"x, y\r\nz\",w", {"x, y\r\nz", "w"}},
        {"\"  kept  \"", {"  kept  "}},
        {"\"q\"dropped,next", {"q", "next"}},  // text after the closing quote is dropped
        {"\"open to the end,\r\n", {"open to the end,\r\n"}},
        {"in\"side,x", {"in\"side", "x"}},  // a quote inside an unquoted field stays
        {"\"\",\"\"", {"", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(allFields(c.bytes), c.fields) << c.bytes;
    }
}

TEST(LeadingDecimalNumber, ReadsOnlyTheLeadingNumber) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"", 0.0},       {"abc", 0.0},   {"  42", 42.0}, {"\t-7xyz", -7.0}, {"+3", 3.0},
        {"12.5", 12.5},  {".5", 0.5},    {"-", 0.0},     {"1 2", 1.0},      {"&H10", 0.0},
        {"2e3", 2000.0}, {"2E-1x", 0.2}, {"7e", 7.0},    {"1,5", 1.0},      {"1e999", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(leadingDecimalNumber(c.text), c.value) << c.text;
    }
}

TEST(LeadingDecimalNumber, ReadsWholeNumbersAsStrtodDoes) {
    for (const char* text :
         {"0", "-0", "+0", "007", "-32768", "32767", "65536", "-99999", "123456789012345",
          "-999999999999999", "1234567890123456", "98765432109876543210", "12x", "-4 5"}) {
        const auto value = leadingDecimalNumber(text);
        ASSERT_TRUE(value.has_value()) << text;
        const double expected = std::strtod(text, nullptr);
        EXPECT_EQ(*value, expected) << text;
        EXPECT_EQ(std::signbit(*value), std::signbit(expected)) << text;
    }
}

}  // namespace
}  // namespace kz
