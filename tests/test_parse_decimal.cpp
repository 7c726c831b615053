// The decimal reader behind the Teams count and every id: plain ASCII
// digits only, and never a value that wrapped past 2^31 - 1.
#include <gtest/gtest.h>

#include "file/parse_decimal.h"
#include "support/bracket_file_fixture.h"

namespace {

TEST(ParseDecimalTest, DigitStringsReadAsTheirValue)
{
    struct { const WCHAR *text; int value; } cases[] = {
        {L"", 0}, {L"0", 0}, {L"8", 8}, {L"08", 8}, {L"256", 256}, {L"2147483647", 2147483647},
        {L"000000000000000000000000000000042", 42}, {L"02147483647", 2147483647},
    };
    for (const auto &c : cases) {
        int value = -1;
        EXPECT_EQ(1, parseDecimal(c.text, &value)) << "\"" << utf8(c.text) << "\"";
        EXPECT_EQ(c.value, value) << utf8(c.text);
    }
}

TEST(ParseDecimalTest, AnyOtherCharacterOrAnOverflowRefusesTheWholeTextWithZero)
{
    const WCHAR *refused[] = {
        L"+8", L"-8", L"8.0", L"0x8", L"8 8", L" 8", L"8 ", L"\t8", L"eight", L"8a",
        L"\xFF18",         // full-width 8
        L"\x0668",         // Arabic-Indic 8
        L"2147483648",     // 2^31: one past the largest value
        L"4294967304",     // wraps to 8 in 32 bits
        L"99999999999999999999",
    };
    for (const WCHAR *text : refused) {
        int value = -1;
        EXPECT_EQ(0, parseDecimal(text, &value)) << utf8(text);
        EXPECT_EQ(0, value) << "a refused text leaves 0: " << utf8(text);
    }
    int value = -1;
    EXPECT_EQ(0, parseDecimal(NULL, &value));
    EXPECT_EQ(0, value);
}

} // namespace
