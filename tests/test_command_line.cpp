// The first command-line argument: quoting, spaces, missing arguments and
// the length limit of the path buffer.
#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"
#include "ui/common/document_state.h"

namespace {

struct Argument {
    int result;
    std::wstring text;
};

Argument firstArgument(const WCHAR *commandLine)
{
    WCHAR out[PATH_CAPACITY];
    lstrcpyW(out, L"stale");
    int result = firstArgumentOf(commandLine, out);
    return {result, out};
}

TEST(CommandLine, QuotedProgramAndQuotedArgumentWithASpace)
{
    Argument a = firstArgument(L"\"C:\\Program Files\\duelmark.exe\" \"D:\\my brackets\\cup.xml\"");
    EXPECT_EQ(1, a.result);
    EXPECT_EQ(L"D:\\my brackets\\cup.xml", a.text);
}

TEST(CommandLine, UnquotedTokensGiveTheFirstAfterTheProgram)
{
    Argument a = firstArgument(L"duelmark.exe first.xml second.xml");
    EXPECT_EQ(1, a.result);
    EXPECT_EQ(L"first.xml", a.text);

    // Runs of spaces between tokens are skipped; a tab is not a separator.
    a = firstArgument(L"duelmark.exe    cup\tfinal.xml other");
    EXPECT_EQ(1, a.result);
    EXPECT_EQ(L"cup\tfinal.xml", a.text);

    // Text straight after the closing quote of the program starts the argument.
    a = firstArgument(L"\"duelmark.exe\"cup.xml");
    EXPECT_EQ(1, a.result);
    EXPECT_EQ(L"cup.xml", a.text);
}

TEST(CommandLine, OnlyTheProgramMeansNoArgumentAndAnEmptyResult)
{
    for (const WCHAR *line : {L"duelmark.exe", L"\"C:\\a b\\duelmark.exe\"", L"duelmark.exe   ",
                              L"\"duelmark.exe\"   ", L""}) {
        Argument a = firstArgument(line);
        EXPECT_EQ(0, a.result) << line;
        EXPECT_EQ(L"", a.text) << "out must be emptied for: " << line;
    }
}

TEST(CommandLine, AnEmptyQuotedArgumentIsAnArgumentWithNoText)
{
    Argument a = firstArgument(L"duelmark.exe \"\" next.xml");
    EXPECT_EQ(1, a.result);
    EXPECT_EQ(L"", a.text);
}

TEST(CommandLine, AnUnclosedQuoteRunsToTheEnd)
{
    Argument a = firstArgument(L"duelmark.exe \"C:\\open ended.xml");
    EXPECT_EQ(1, a.result);
    EXPECT_EQ(L"C:\\open ended.xml", a.text);
}

// A cut name would be another file: one that does not fit is not taken.
TEST(CommandLine, AnArgumentOver259UnitsIsRefusedNotCut)
{
    std::wstring longName(260, L'x');
    std::wstring line = L"duelmark.exe \"" + longName + L"\" next.xml";
    Argument a = firstArgument(line.c_str());
    EXPECT_EQ(0, a.result);
    EXPECT_EQ(L"", a.text);
    const WCHAR *start = nullptr;
    int length = 0;
    ASSERT_EQ(1, findFirstArgument(line.c_str(), &start, &length));
    EXPECT_EQ(longName, std::wstring(start, length)) << "the whole name is found, for the message";

    std::wstring exact(259, L'y');
    a = firstArgument((L"duelmark.exe " + exact).c_str());
    EXPECT_EQ(exact, a.text) << "259 units fit whole";
}

TEST(CommandLine, NonAsciiNamesAndSurrogatePairsArriveIntact)
{
    Argument a = firstArgument(L"duelmark.exe \"C:\\\u8cfd\u7a0b \U0001F3C6.xml\"");
    EXPECT_EQ(1, a.result);
    EXPECT_EQ(L"C:\\\u8cfd\u7a0b \U0001F3C6.xml", a.text);
}

} // namespace
