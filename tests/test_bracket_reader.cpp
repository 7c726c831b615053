// The reader on a real window, real MSXML and real files: what it accepts,
// what it refuses (leaving everything as it was), and the invalid-picks
// question after a load.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include "file/bracket_file.h"
#include "model/heap.h"
#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"
#include "ui/open_bracket.h"
#include "ui/save_bracket.h"

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
        {"5", 8}, {"08", 8}, {"0000000000000000000016", 16}, {"", 1}, {"0", 1}, {"1", 1}, {"256", 256},
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

// Start-up loads the command-line file before the dialog is shown; the
// load must not make the window visible behind the dialog manager's back.
TEST_F(ReaderTest, AHiddenWindowStaysHiddenAndAShownOneStaysShown)
{
    ShowWindow(window, SW_HIDE);
    ASSERT_EQ(1, load(teamsFile("4")));
    EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE);
    ShowWindow(window, SW_SHOW);
    ASSERT_EQ(1, load(teamsFile("8")));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowVisible(slot(1)->control)) << "the new slot controls are shown";
}

TEST_F(ReaderTest, LoadingWhileBaseSlotsAreEditableLeavesThemReadOnly)
{
    build(4, L"Open");
    ASSERT_EQ(0, baseSlotsReadOnly());
    ASSERT_EQ(1, load(teamsFile("4")));
    EXPECT_EQ(1, baseSlotsReadOnly());
}

// Files as other tools write them: byte order marks, declarations, line
// ends, indentation, CDATA, references, comments and processing
// instructions all read the same bracket.
TEST_F(ReaderTest, Utf8WithBomDeclarationCrlfAndIndentationReads)
{
    ASSERT_EQ(1, load("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Games>\r\n"
                      "  <Title>Caf\xC3\xA9 \xE4\xB8\xAD</Title>\r\n  <Teams>\r\n    2\r\n  </Teams>\r\n"
                      "  <Team id=\"2\" Name=\"B\" />\r\n  <Team Name=\"A\" id=\"1\"></Team>\r\n</Games>\r\n"));
    EXPECT_STREQ(L"Caf\x00E9 \x4E2D", bracket.title);
    EXPECT_EQ(2, bracket.slotCount) << "the indented count is trimmed before the parse";
    EXPECT_STREQ(L"A", slot(1)->name);
    EXPECT_STREQ(L"B", slot(2)->name) << "attributes may stand in either order";
}

TEST_F(ReaderTest, Utf16WithBomReads)
{
    std::wstring text = L"\xFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<Games><Title>\x4E2D\x6587</Title>"
                        L"<Teams>2</Teams><Team Name=\"\xD83C\xDFC6\" id=\"1\"/></Games>";
    ASSERT_EQ(1, load(std::string((const char *)text.data(), text.size() * sizeof(WCHAR))));
    EXPECT_STREQ(L"\x4E2D\x6587", bracket.title);
    EXPECT_STREQ(L"\xD83C\xDFC6", slot(1)->name);
}

TEST_F(ReaderTest, EmptyTitleFormsCdataReferencesCommentsAndInstructionsRead)
{
    ASSERT_EQ(1, load("<Games><Title/><Teams>1</Teams></Games>"));
    EXPECT_STREQ(L"", bracket.title);
    ASSERT_EQ(1, load("<Games><Title></Title><Teams>1</Teams></Games>"));
    EXPECT_STREQ(L"", bracket.title);
    ASSERT_EQ(1, load("<Games><Title><![CDATA[ <b> & \"x\" ]]></Title><Teams>1</Teams></Games>"));
    EXPECT_STREQ(L" <b> & \"x\" ", bracket.title);
    ASSERT_EQ(1, load("<?xml version='1.0'?><!-- made by hand --><?editor x?><Games><!-- a -->"
                      "<?pi y?><Title>&#x4E2D;&#20013;&amp;&lt;&gt;&quot;&apos;</Title><!-- b --><Teams>&#50;</Teams>"
                      "<?pi z?><Team Name='&#x1F3C6;&amp;' id='&#49;'/><!-- c --></Games><!-- d -->"));
    EXPECT_STREQ(L"\x4E2D\x4E2D&<>\"'", bracket.title);
    EXPECT_EQ(2, bracket.slotCount);
    EXPECT_STREQ(L"\xD83C\xDFC6&", slot(1)->name);
}

// White space: the title keeps what the user typed; Teams is trimmed by the
// reader itself, ids are not trimmed at all.
TEST_F(ReaderTest, TitleWhiteSpaceIsKeptAndTeamsWhiteSpaceIsTrimmed)
{
    ASSERT_EQ(1, load("<Games><Title>  two  spaces\t</Title><Teams>\n\t 4 \r\n</Teams>"
                      "<Team Name=' padded ' id='1'/></Games>"));
    EXPECT_STREQ(L"  two  spaces\t", bracket.title);
    EXPECT_EQ(4, bracket.slotCount);
    EXPECT_STREQ(L" padded ", slot(1)->name);
    ASSERT_EQ(1, load("<Games><Title>   </Title><Teams>1</Teams></Games>"));
    EXPECT_STREQ(L"   ", bracket.title) << "a title of spaces is a title";
}

TEST_F(ReaderTest, ACutNeverSplitsASurrogatePair)
{
    // 254 units, then a pair that would straddle the 255-unit limit.
    std::string title = std::string(254, 't') + "\xF0\x9F\x8F\x86";
    std::string name = std::string(126, 'n') + "\xF0\x9F\x8F\x86";
    ASSERT_EQ(1, load("<Games><Title>" + title + "</Title><Teams>1</Teams><Team Name='" + name +
                      "' id='1'/></Games>"));
    EXPECT_EQ(254, lstrlenW(bracket.title)) << "the lone high surrogate is dropped";
    EXPECT_EQ(126, lstrlenW(slot(1)->name));
}

// Hostile files: a document type declaration is refused outright, so no
// entity, internal or external, ever reaches the bracket.
TEST_F(ReaderTest, DocumentsWithADoctypeAreRefusedAndNeverShowAnEntity)
{
    build(2, L"Open");
    std::wstring secret = pathOf(L"secret.txt");
    writeFileBytes(secret, "SECRET-CONTENT");
    std::string url = "file:///" + utf8(secret);
    for (char &c : url)
        c = c == '\\' ? '/' : c;
    std::string files[] = {
        "<!DOCTYPE Games><Games><Title>plain</Title><Teams>2</Teams></Games>",
        "<!DOCTYPE Games [<!ENTITY e 'inner'>]><Games><Title>&e;</Title><Teams>2</Teams></Games>",
        "<!DOCTYPE Games [<!ENTITY s SYSTEM '" + url + "'>]><Games><Title>&s;</Title><Teams>2</Teams>"
        "<Team Name='&s;' id='1'/></Games>",
        "<!DOCTYPE Games SYSTEM '" + url + "'><Games><Title>x</Title><Teams>2</Teams></Games>",
        "<?xml version='1.0'?>\n<!DOCTYPE Games [<!ENTITY % p SYSTEM '" + url + "'> %p;]>"
        "<Games><Title>x</Title><Teams>2</Teams></Games>",
    };
    for (const std::string &file : files) {
        EXPECT_EQ(0, load(file)) << file;
        EXPECT_STREQ(L"Open", bracket.title) << file;
        EXPECT_STREQ(L"T1", slot(1)->name) << file;
        EXPECT_EQ(std::wstring::npos, caption().find(L"SECRET")) << file;
    }
}

SIZE_T peakMemory()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

TEST_F(ReaderTest, AnEntityBombIsRefusedQuicklyWithoutGrowingMemory)
{
    std::string bomb = "<?xml version='1.0'?><!DOCTYPE Games [<!ENTITY a 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa'>";
    std::string previous = "a";
    for (char level = 'b'; level <= 'k'; level++) {
        bomb += std::string("<!ENTITY ") + level + " '";
        for (int i = 0; i < 10; i++)
            bomb += "&" + previous + ";";
        bomb += "'>";
        previous = std::string(1, level);
    }
    bomb += "]><Games><Title>&k;</Title><Teams>2</Teams></Games>";
    SIZE_T before = peakMemory();
    DWORD start = GetTickCount();
    EXPECT_EQ(0, load(bomb));
    EXPECT_LT(GetTickCount() - start, 1000u) << "refused within a second";
    EXPECT_LT(peakMemory() - before, (SIZE_T)64 << 20) << "the expansion (32 GB if done) must not start";
    EXPECT_EQ(0, bracket.slotCount);
}

TEST_F(ReaderTest, AFailedAllocationWhileReadingLeavesTheOpenBracket)
{
    build(4, L"Open");
    BracketNode **table = bracket.nodeTable;
    std::wstring path = pathOf(L"big.xml");
    writeFileBytes(path, teamsFile("64"));
    setAllocationFailureHook([]() { return 1; });
    int result = loadBracketFile(&bracket, window, path.c_str());
    setAllocationFailureHook(NULL);
    EXPECT_EQ(0, result);
    EXPECT_EQ(table, bracket.nodeTable);
    EXPECT_EQ(4, bracket.slotCount);
    EXPECT_EQ(std::make_pair(4, 3), slotControls());
    EXPECT_EQ(L"Duelmark - Open", caption());
}

// Each refusal says why, leaves the open bracket, and comes quickly: a
// file too large for any bracket is refused unread, and a smaller one made
// of nothing but tiny elements never reaches the parser.
TEST_F(ReaderTest, ARefusalSaysWhyAndComesWithinASecond)
{
    build(2, L"Open");
    std::wstring big = pathOf(L"big.xml");
    HANDLE file = CreateFileW(big.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    LARGE_INTEGER size;
    size.QuadPart = ((LONGLONG)4 << 20) + 1;
    SetFilePointerEx(file, size, NULL, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    std::string tiny = "<Games>";
    while (tiny.size() < ((size_t)4 << 20) - 16)
        tiny += "<a/>";
    writeFileBytes(pathOf(L"tiny.xml"), tiny + "</Games>");
    writeFileBytes(pathOf(L"notes.xml"), "<Notes>not a bracket</Notes>");
    writeFileBytes(pathOf(L"held.xml"), teamsFile("2"));
    HANDLE held = CreateFileW(pathOf(L"held.xml").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    struct {
        std::wstring path;
        int fault;
        DWORD error;
    } cases[] = {
        {pathOf(L"missing.xml"), OPEN_FAULT_NOT_FOUND, ERROR_FILE_NOT_FOUND},
        {pathOf(L"no folder\\cup.xml"), OPEN_FAULT_NOT_FOUND, ERROR_PATH_NOT_FOUND},
        {folder, OPEN_FAULT_UNREADABLE, ERROR_ACCESS_DENIED},
        {pathOf(L"held.xml"), OPEN_FAULT_UNREADABLE, ERROR_SHARING_VIOLATION},
        {pathOf(L"notes.xml"), OPEN_FAULT_NOT_BRACKET, 0},
        {pathOf(L"tiny.xml"), OPEN_FAULT_NOT_BRACKET, 0},
        {big, OPEN_FAULT_TOO_LARGE, 0},
    };
    for (const auto &c : cases) {
        OpenReport report = {OPEN_FAULT_NONE, 12345};
        DWORD start = GetTickCount();
        EXPECT_EQ(0, loadBracketFileReporting(&bracket, window, c.path.c_str(), &report)) << utf8(c.path);
        EXPECT_LT(GetTickCount() - start, 1000u) << utf8(c.path);
        EXPECT_EQ(c.fault, report.fault) << utf8(c.path);
        EXPECT_EQ(c.error, report.error) << utf8(c.path);
        EXPECT_EQ(2, bracket.slotCount);
    }
    CloseHandle(held);
}

} // namespace
