// The reader on a real window, real MSXML and real files: what it accepts,
// what it refuses (leaving everything as it was), and the invalid-picks
// question after a load.
#include <gtest/gtest.h>

#include "file/bracket_file.h"
#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"

namespace {

struct ReaderTest : BracketFileTest {
    // Writes bytes to a file of the scratch folder and loads it.
    int load(const std::string &bytes, const WCHAR *name = L"in.xml")
    {
        std::wstring path = pathOf(name);
        writeFileBytes(path, bytes);
        return loadBracketFile(&bracket, window, path.c_str());
    }
    std::string teamsFile(const std::string &teams, const std::string &rest = "")
    {
        return "<Games><Title>Cup</Title><Teams>" + teams + "</Teams>" + rest + "</Games>";
    }
};

TEST_F(ReaderTest, ASavedBracketReadsBackWholeWithoutAQuestion)
{
    build(8, L"Spring Cup");
    setName(9, L"T1");
    setName(13, L"T1");
    setName(15, L"T1");
    std::wstring path = pathOf(L"cup.xml");
    ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str()));
    resetBracket(&bracket);

    ScopedDialogAnswer noQuestion(IDYES);
    ASSERT_EQ(1, loadBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(0, noQuestion.answer.count);
    EXPECT_EQ(8, bracket.slotCount);
    EXPECT_EQ(3, bracket.depth);
    EXPECT_STREQ(L"Spring Cup", bracket.title);
    for (int id = 1; id <= 8; id++)
        EXPECT_EQ(L"T" + std::to_wstring(id), std::wstring(slot(id)->name)) << "slot " << id;
    for (int id : {9, 13, 15})
        EXPECT_STREQ(L"T1", slot(id)->name) << "slot " << id;
    EXPECT_EQ(L"T1", shownText(15)) << "the champion's control shows the pick";
    EXPECT_EQ(0, bracket.dirty);
    EXPECT_EQ(1, baseSlotsReadOnly());
    EXPECT_EQ(std::make_pair(8, 7), slotControls());
    EXPECT_EQ(L"Duelmark - Spring Cup", caption());
}

TEST_F(ReaderTest, AFileThatIsNotABracketChangesNothing)
{
    build(4, L"Open");
    setName(5, L"T1");
    BracketNode **table = bracket.nodeTable;
    HWND firstControl = slot(1)->control;
    std::wstring before = caption();
    const char *refused[] = {
        "<Other><Teams>4</Teams></Other>",       // another document element
        "<Games><Title>x</Title></Games>",       // no Teams
        "<Games><Teams>4</Teams>",               // not well-formed
        "",                                      // empty file
        "\xFF\xFE<\0G\0",                        // broken UTF-16
    };
    for (const char *bytes : refused) {
        EXPECT_EQ(0, load(bytes)) << bytes;
        EXPECT_EQ(table, bracket.nodeTable) << bytes;
        EXPECT_EQ(firstControl, slot(1)->control) << bytes;
        EXPECT_TRUE(IsWindow(firstControl)) << bytes;
        EXPECT_STREQ(L"T1", slot(5)->name) << bytes;
        EXPECT_EQ(1, bracket.dirty) << bytes;
        EXPECT_EQ(0, baseSlotsReadOnly()) << "base slots stay editable: " << bytes;
        EXPECT_EQ(before, caption()) << bytes;
        EXPECT_EQ(std::make_pair(4, 3), slotControls()) << bytes;
    }
    EXPECT_EQ(0, loadBracketFile(&bracket, window, pathOf(L"missing.xml").c_str()));
    EXPECT_EQ(table, bracket.nodeTable);
}

TEST_F(ReaderTest, TeamCountsThatAreNotPlainDecimalNumbersAreRefused)
{
    build(4, L"Open");
    for (const char *teams : {"+8", "-8", "8.0", "0x8", "8 8", "eight", "\xEF\xBC\x98" /* full-width 8 */,
                              "257", "4294967300", "99999999999999999999"}) {
        EXPECT_EQ(0, load(teamsFile(teams))) << teams;
        EXPECT_EQ(4, bracket.slotCount) << teams;
        EXPECT_EQ(1, bracket.dirty) << teams;
    }
}

TEST_F(ReaderTest, TeamCountsRoundUpToAPowerOfTwo)
{
    struct { const char *teams; int slots; } cases[] = {
        {"5", 8}, {"08", 8}, {"0000000000000000000016", 16}, {"", 1}, {"0", 1}, {"1", 1}, {"256", 256}, {"129", 256},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(1, load(teamsFile(c.teams))) << c.teams;
        EXPECT_EQ(c.slots, bracket.slotCount) << c.teams;
        EXPECT_EQ(std::make_pair(c.slots > 1 ? c.slots : 0, c.slots > 1 ? c.slots - 1 : 1), slotControls())
            << c.teams;
    }
}

TEST_F(ReaderTest, TeamElementsCountOnlyWithBothAttributesAndAnIdInRange)
{
    // 5 teams give 8 slots, ids 1..15. "top" at 15 is an invalid pick.
    ScopedDialogAnswer keep(IDNO);
    ASSERT_EQ(1, load(teamsFile("5", "<Team Name='zero' id='0'/><Team Name='past' id='16'/>"
                                     "<Team Name='neg' id='-1'/><Team Name='empty' id=''/>"
                                     "<Team Name='space' id=' 2'/><Team Name='noid'/><Team id='3'/>"
                                     "<Team Name='huge' id='4294967297'/>"
                                     "<Team Name='first' id='4'/><Team Name='later' id='4'/>"
                                     "<Team Name='top' id='15'/><Other Name='other' id='5'/>")));
    EXPECT_EQ(8, bracket.slotCount);
    for (int id = 1; id <= 15; id++) {
        const WCHAR *expected = id == 4 ? L"later" : id == 15 ? L"top" : L"";
        EXPECT_STREQ(expected, slot(id)->name) << "slot " << id;
    }
}

TEST_F(ReaderTest, ATitleIsReadUpToItsCapacityAndNamesUpToTheirs)
{
    std::string title(300, 'x');
    std::string name(200, 'n');
    ASSERT_EQ(1, load("<Games><Title>" + title + "</Title><Teams>2</Teams><Team Name='" + name +
                      "' id='1'/></Games>"));
    EXPECT_EQ(255, lstrlenW(bracket.title));
    EXPECT_EQ(127, lstrlenW(slot(1)->name));
}

TEST_F(ReaderTest, AMissingTitleGivesAnEmptyTitleAndItsCaption)
{
    ASSERT_EQ(1, load("<Games><Teams>4</Teams></Games>"));
    EXPECT_STREQ(L"", bracket.title);
    EXPECT_EQ(L"Duelmark - ", caption());
}

TEST_F(ReaderTest, AnInvalidPickOnLoadIsShownThenClearedOnlyOnYes)
{
    std::string file = teamsFile("4", "<Team Name='A' id='1'/><Team Name='B' id='2'/><Team Name='Z' id='5'/>");
    {
        ScopedDialogAnswer no(IDNO);
        ASSERT_EQ(1, load(file));
        EXPECT_EQ(1, no.answer.count);
        EXPECT_EQ(window, no.answer.owner);
        EXPECT_STREQ(L"Duelmark", no.answer.caption);
        EXPECT_STREQ(L"發現有些不合法的選擇。您是否要清除這些不合法的選擇?", no.answer.text);
        EXPECT_STREQ(L"Z", slot(5)->name);
        EXPECT_EQ(L"Z", shownText(5));
        EXPECT_EQ(0, bracket.dirty);
    }
    {
        ScopedDialogAnswer yes(IDYES);
        ASSERT_EQ(1, load(file));
        EXPECT_EQ(1, yes.answer.count);
        EXPECT_STREQ(L"", slot(5)->name);
        EXPECT_EQ(L"", shownText(5));
        EXPECT_EQ(1, bracket.dirty);
    }
}

TEST_F(ReaderTest, LoadingWhileBaseSlotsAreEditableLeavesThemReadOnly)
{
    build(4, L"Open");
    ASSERT_EQ(0, baseSlotsReadOnly());
    ASSERT_EQ(1, load(teamsFile("4")));
    EXPECT_EQ(1, baseSlotsReadOnly());
}

} // namespace
