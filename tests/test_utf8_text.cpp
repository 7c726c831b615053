// The growing UTF-8 text the page and the picture are encoded through:
// numbers read as their decimal form at every digit count and both ends of
// the range, and pieces appended across its growths come out whole and in
// order, whether the text starts empty or reuses a block that held a page.
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <string>

#include "file/utf8_text.h"
#include "model/heap.h"

namespace {

std::string textOf(const Utf8Text &text)
{
    return std::string(text.bytes ? text.bytes : "", text.length);
}

TEST(Utf8Text, NumbersReadAsTheirDecimalForm)
{
    std::string expected;
    Utf8Text text = {NULL, 0, 0, 0};
    long long power = 1;
    for (int digits = 1; digits <= 10; digits++, power *= 10) {
        for (long long value : {power - 1, power, power + 1, -power, -(power - 1)}) {
            if (value < INT_MIN || value > INT_MAX)
                continue;
            appendNumber(&text, (int)value);
            appendLiteral(&text, ",");
            expected += std::to_string(value) + ",";
        }
    }
    for (int value : {INT_MAX, INT_MIN, INT_MIN + 1, 0}) {
        appendNumber(&text, value);
        appendLiteral(&text, ",");
        expected += std::to_string(value) + ",";
    }
    EXPECT_EQ(expected, textOf(text));
    freeBlock(text.bytes);
}

TEST(Utf8Text, PiecesAcrossGrowthsComeOutWholeAndInOrder)
{
    Utf8Text text = {NULL, 0, 0, 0};
    for (int round = 0; round < 2; round++) {
        // The second round writes into the first round's block, as the
        // live page does from one write to the next.
        text.length = 0;
        std::string expected;
        for (int i = 0; i < 60000; i++) {
            appendLiteral(&text, "<a x=\"");
            appendNumber(&text, i * 37 - 1000);
            appendLiteral(&text, "\" fill=\"");
            appendColour(&text, RGB(i & 255, 0x0F, 0xA0));
            appendCodePoint(&text, 0x9673);
            appendBytes(&text, "/>", 2);
            char colour[8];
            wsprintfA(colour, "#%02X0FA0", i & 255);
            expected += "<a x=\"" + std::to_string(i * 37 - 1000) + "\" fill=\"" + colour + "\xE9\x99\xB3/>";
        }
        ASSERT_EQ(0, text.failed);
        ASSERT_EQ(expected.size(), (size_t)text.length) << "round " << round;
        EXPECT_TRUE(expected == textOf(text)) << "round " << round;
    }
    freeBlock(text.bytes);
}

} // namespace
