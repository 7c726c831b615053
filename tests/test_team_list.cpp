// Names read from pasted text: line ends and cells, blanks, outer spaces
// and the cut to a name's capacity, on the model alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/bracket.h"
#include "model/entrant_name.h"
#include "model/team_list.h"
#include "tests/support/failing_allocation.h"

namespace {

std::vector<std::wstring> namesIn(const WCHAR *text)
{
    std::vector<std::wstring> names;
    WCHAR name[NAME_CAPACITY];
    while (nextListName(&text, name))
        names.push_back(name);
    return names;
}

TEST(TeamListTest, LinesAndCellsGiveOneNameEachAndBlanksAreSkipped)
{
    EXPECT_EQ((std::vector<std::wstring>{L"Lions", L"Tigers", L"Bears"}),
              namesIn(L"Lions\r\nTigers\r\n\r\n  \r\nBears\r\n"));
    EXPECT_EQ((std::vector<std::wstring>{L"Lions", L"Tigers", L"Bears", L"Owls"}),
              namesIn(L"Lions\nTigers\tBears\n\t\nOwls"));
    EXPECT_EQ((std::vector<std::wstring>{L"Red Sox", L"Blue Jays"}), namesIn(L"  Red Sox  \r\n Blue Jays"));
    EXPECT_EQ(std::vector<std::wstring>{}, namesIn(L"\r\n \t \n"));

    EXPECT_EQ(0, countListLines(L""));
    EXPECT_EQ(1, countListLines(L"Lions\r\n"));
    EXPECT_EQ(1, countListLines(L"\r\n  \r\nLions\tTigers"));
    EXPECT_EQ(2, countListLines(L"Lions\r\n\r\nTigers\r\n"));
}

// 127 units at most, and a pair of surrogates is never cut in two.
TEST(TeamListTest, LongNamesAreCutWithoutSplittingASurrogatePair)
{
    std::wstring plain(200, L'x');
    std::vector<std::wstring> names = namesIn((plain + L"\nnext").c_str());
    ASSERT_EQ(2u, names.size());
    EXPECT_EQ(std::wstring(127, L'x'), names[0]);
    EXPECT_EQ(L"next", names[1]);

    std::wstring emoji = std::wstring(126, L'y') + L"\xD83D\xDE00" + L"zz";
    names = namesIn(emoji.c_str());
    ASSERT_EQ(1u, names.size());
    EXPECT_EQ(std::wstring(126, L'y'), names[0]) << "the pair at units 127-128 goes whole";
}

// A name given again is found whatever its case or outer spaces, since a
// person reads both as one entrant; characters a locale passes over still
// make another name.
TEST(TeamListTest, ARepeatedNameIsFoundAsAPersonWouldReadIt)
{
    struct Case {
        const WCHAR *list;
        const WCHAR *repeated;
        std::vector<int> lines;
    } cases[] = {
        {L"Ann\nBob\nann", L"ann", {1, 3}},
        {L"Bob\nANN\tann \n\n ann", L"ann", {2, 2, 4}},
        {L"Ann\nBob\nCat", L"", {}},
        {L"Ann\nAn\u200Bn", L"", {}},
        {L"Ann\nAn\u00ADn", L"", {}},
    };
    for (const Case &c : cases) {
        WCHAR name[NAME_CAPACITY];
        int lines[8];
        int count = findRepeatedListName(c.list, name, lines, 8);
        EXPECT_STREQ(c.repeated, name) << c.list;
        EXPECT_EQ(c.lines, std::vector<int>(lines, lines + count)) << c.list;
    }
}

// The name two base slots share, case and outer spaces aside, is the one
// the earliest such slot holds, over many brackets of a few look-alike
// names (blank, all spaces, case and spaces apart), whether or not memory
// can be had.
TEST(TeamListTest, TheRepeatedBaseNameIsTheEarliestSlotsThatAnotherShares)
{
    const WCHAR *spellings[] = {L"", L"  ", L"Ann", L"ann ", L" ANN", L"Bob", L"bob", L"Cy", L"Cy\u00AD", L"Dee"};
    const int spellingCount = sizeof spellings / sizeof spellings[0];
    unsigned seed = 12345;
    for (int round = 0; round < 400; round++) {
        Bracket bracket;
        initBracket(&bracket, NULL);
        ASSERT_TRUE(buildBracket(&bracket, 2 << (round % 4)));
        for (int id = 1; id <= bracket.slotCount; id++) {
            seed = seed * 1103515245u + 12345u;
            lstrcpyW(bracket.nodeTable[id - 1]->name, spellings[(seed >> 16) % spellingCount]);
        }
        const WCHAR *expected = NULL;
        for (int a = 1; a <= bracket.slotCount && !expected; a++) {
            for (int b = a + 1; b <= bracket.slotCount && !expected; b++) {
                if (sameEntrantName(bracket.nodeTable[a - 1]->name, bracket.nodeTable[b - 1]->name))
                    expected = bracket.nodeTable[a - 1]->name;
            }
        }
        EXPECT_EQ(expected, repeatedBaseName(&bracket)) << "round " << round;
        {
            FailingAllocations noMemory;
            EXPECT_EQ(expected, repeatedBaseName(&bracket)) << "round " << round << ", no memory";
        }
        resetBracket(&bracket);
    }
}

}  // namespace
