// The order of play as it leaves the editor: the clipboard's lines for a
// spreadsheet, the printed pages for the people at the courts.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "model/heap.h"
#include "support/bracket_file_fixture.h"
#include "ui/common/match_marks.h"
#include "ui/schedule/order_of_play.h"

namespace {

using OrderOfPlay = BracketFileTest;

std::vector<std::wstring> split(const std::wstring &text, const std::wstring &separator)
{
    std::vector<std::wstring> parts;
    size_t start = 0, at;
    while ((at = text.find(separator, start)) != std::wstring::npos) {
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

// A name and a court may carry tabs and line breaks (a court pasted from
// two spreadsheet cells does): each match stays one line of five columns.
TEST_F(OrderOfPlay, ClipboardFieldsNeverSplitALineOrAColumn)
{
    build(4, L"Cup");
    setName(1, L"Anna\tBerg");
    setName(2, L"Carl\r\nDahl");
    setName(3, L"Eva\nFors\x2028Lind");
    lstrcpyW(slot(5)->details.court, L"Court 1\tCourt 2\r\n");
    WCHAR *text = orderOfPlayText(&bracket);
    ASSERT_NE(nullptr, text);
    std::vector<std::wstring> lines = split(text, L"\r\n");
    freeBlock(text);
    ASSERT_EQ(4u, lines.size()) << "a header, two matches and the last line's end";
    std::wstring all;
    for (int i = 1; i <= 2; i++) {
        std::vector<std::wstring> fields = split(lines[i], L"\t");
        EXPECT_EQ(5u, fields.size()) << utf8(lines[i]);
        all += lines[i];
    }
    EXPECT_NE(std::wstring::npos, all.find(L"Anna Berg"));
    EXPECT_NE(std::wstring::npos, all.find(L"Carl  Dahl"));
    EXPECT_NE(std::wstring::npos, all.find(L"Eva Fors Lind"));
    EXPECT_NE(std::wstring::npos, all.find(L"Court 1 Court 2  "));
    EXPECT_EQ(std::wstring::npos, all.find_first_of(L"\r\n\x2028"));
}

// Printed pages read times as the window shows them, in the user's
// formats; only the clipboard keeps the fixed form a spreadsheet sorts.
TEST_F(OrderOfPlay, PrintedTimesFollowTheWindowAndTheClipboardKeepsOneForm)
{
    build(4, L"Cup");
    struct Case {
        const WCHAR *first, *second;
    } cases[] = {
        {L"2026-12-09T09:00", L"2026-12-09T14:30"},   // one day: the time alone
        {L"2026-12-09T09:00", L"2026-12-10T14:30"},   // two days: the date as well
    };
    for (const Case &c : cases) {
        lstrcpyW(slot(5)->details.time, c.first);
        lstrcpyW(slot(6)->details.time, c.second);
        OrderEntry entries[ORDER_CAPACITY];
        ASSERT_EQ(2, collectOrderOfPlay(&bracket, entries));
        for (int i = 0; i < 2; i++) {
            WCHAR shownInWindow[MARK_CAPACITY];
            matchMarkText(&bracket, entries[i].node, bracketSpansDays(&bracket), shownInWindow);
            OrderFields printed, copied;
            orderFieldsOf(&bracket, &entries[i], ORDER_TIMES_SHOWN, &printed);
            orderFieldsOf(&bracket, &entries[i], ORDER_TIMES_FIXED, &copied);
            EXPECT_EQ(std::wstring(shownInWindow), std::wstring(printed.time));
            std::wstring fixed = i ? c.second : c.first;
            fixed[10] = L' ';
            EXPECT_EQ(fixed, std::wstring(copied.time));
        }
    }
}

} // namespace
