// Texts with inserts: whatever a satellite's text says, the result is the
// text with the inserts the caller has, and never a read past them.
#include <gtest/gtest.h>

#include <string>

#include "ui/common/message_text.h"

namespace {

std::wstring format(const WCHAR *text, int capacity = 64)
{
    const WCHAR *inserts[] = {L"cup.xml", L"denied"};
    WCHAR out[64];
    int length = formatMessageText(text, inserts, 2, out, capacity);
    EXPECT_EQ(lstrlenW(out), length) << "the length returned is the length written";
    return out;
}

TEST(MessageText, InsertsAndHostileTexts)
{
    struct {
        const WCHAR *text;
        const WCHAR *expected;
    } cases[] = {
        {L"Could not open %1.\n\n%2", L"Could not open cup.xml.\n\ndenied"},
        {L"%2 before %1", L"denied before cup.xml"},
        {L"Round of %d", L"Round of cup.xml"},  // old satellites: each %s or %d takes the next insert
        {L"%s, then %s", L"cup.xml, then denied"},
        {L"%s%s%n%1%9", L"cup.xmldenied%ncup.xml"},  // an insert it does not have shows as nothing
        {L"%s%s%s%s%d%d", L"cup.xmldenied"},
        {L"100%% sure %x %", L"100% sure %x %"},
        {L"%1!s! %0", L"cup.xml!s! %0"},
        {L"", L""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(std::wstring(c.expected), format(c.text)) << "for " << std::wstring(c.text).size() << " units";
}

TEST(MessageText, ALongResultIsCutWithinTheBufferAndNeverInsideASurrogatePair)
{
    EXPECT_EQ(L"Could not open cup", format(L"Could not open %1.", 19));
    EXPECT_EQ(L"ab", format(L"ab\U0001F3C6", 4)) << "half a pair would be left at the end";
    EXPECT_EQ(L"ab\U0001F3C6", format(L"ab\U0001F3C6", 5));
    WCHAR one[1] = {L'x'};
    EXPECT_EQ(0, formatMessageText(L"%1", nullptr, 0, one, 1));
    EXPECT_EQ(0, one[0]);
}

} // namespace
