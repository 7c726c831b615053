// The reader on real MSXML and real files, with no window: what it
// accepts, and what it refuses without staging anything.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include "file/bracket_writer.h"
#include "model/heap.h"
#include "support/bracket_file_fixture.h"
#include "support/failing_allocation.h"

namespace {

struct ReaderTest : BracketFileTest {
    int load(const std::string &bytes) { return readFile(fileWith(bytes)); }
};

TEST_F(ReaderTest, ASavedBracketReadsBackWhole)
{
    build(8, L"Spring Cup");
    setName(9, L"T1");
    setName(13, L"T1");
    setName(15, L"T1");
    std::wstring path = pathOf(L"cup.xml");
    SaveReport saved;
    ASSERT_EQ(1, writeBracketFile(&bracket, path.c_str(), &saved));
    resetBracket(&bracket);

    ASSERT_EQ(1, readFile(path));
    EXPECT_EQ(8, bracket.slotCount);
    EXPECT_EQ(3, bracket.depth);
    EXPECT_STREQ(L"Spring Cup", bracket.title);
    for (int id = 1; id <= 8; id++)
        EXPECT_EQ(L"T" + std::to_wstring(id), std::wstring(slot(id)->name)) << "slot " << id;
    for (int id : {9, 13, 15})
        EXPECT_STREQ(L"T1", slot(id)->name) << "slot " << id;
    EXPECT_EQ(0, bracket.dirty);
}

TEST_F(ReaderTest, AFileThatIsNotABracketIsRefused)
{
    const char *refused[] = {
        "<Other><Teams>4</Teams></Other>",       // another document element
        "<Games><Title>x</Title></Games>",       // no Teams
        "<Games><Teams>4</Teams>",               // not well-formed
        "",                                      // empty file
        "\xFF\xFE<\0G\0",                        // broken UTF-16
    };
    for (const char *bytes : refused)
        EXPECT_EQ(0, load(bytes)) << bytes;
    EXPECT_EQ(0, readFile(pathOf(L"missing.xml")));
}

TEST_F(ReaderTest, TeamCountsThatAreNotPlainDecimalNumbersAreRefused)
{
    for (const char *teams : {"+8", "-8", "8.0", "0x8", "8 8", "eight", "\xEF\xBC\x98" /* full-width 8 */,
                              "257", "4294967300", "99999999999999999999"})
        EXPECT_EQ(0, load(teamsFile(teams))) << teams;
}

TEST_F(ReaderTest, TeamCountsRoundUpToAPowerOfTwo)
{
    struct { const char *teams; int slots; } cases[] = {
        {"5", 8}, {"08", 8}, {"0000000000000000000016", 16}, {"", 1}, {"0", 1}, {"1", 1}, {"256", 256},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(1, load(teamsFile(c.teams))) << c.teams;
        EXPECT_EQ(c.slots, bracket.slotCount) << c.teams;
    }
}

TEST_F(ReaderTest, TeamElementsCountOnlyWithBothAttributesAndAnIdInRange)
{
    // 5 teams give 8 slots, ids 1..15. "top" at 15 is an invalid pick, kept.
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

TEST_F(ReaderTest, AMissingTitleGivesAnEmptyTitle)
{
    ASSERT_EQ(1, load("<Games><Teams>4</Teams></Games>"));
    EXPECT_STREQ(L"", bracket.title);
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
    // The expansion would take minutes; ten seconds leaves room for a busy
    // machine without letting it through.
    EXPECT_LT(GetTickCount() - start, 10000u) << "refused at once";
    EXPECT_LT(peakMemory() - before, (SIZE_T)64 << 20) << "the expansion (32 GB if done) must not start";
    EXPECT_EQ(0, bracket.slotCount);
}

TEST_F(ReaderTest, AFailedAllocationWhileReadingStagesNothing)
{
    std::wstring path = pathOf(L"big.xml");
    writeFileBytes(path, teamsFile("64"));
    FailingAllocations failing;
    EXPECT_EQ(0, readFile(path));
}

// Each refusal says why and comes quickly: a
// file too large for any bracket is refused unread, and a smaller one made
// of nothing but tiny elements never reaches the parser.
TEST_F(ReaderTest, ARefusalSaysWhyAndComesAtOnce)
{
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
        OpenReport report = {OPEN_FAULT_NONE, 12345, 0, 0, 0, {0}};
        DWORD start = GetTickCount();
        EXPECT_EQ(0, readFile(c.path, &report)) << utf8(c.path);
        EXPECT_LT(GetTickCount() - start, 10000u) << "refused at once, unread: " << utf8(c.path);
        EXPECT_EQ(c.fault, report.fault) << utf8(c.path);
        EXPECT_EQ(c.error, report.error) << utf8(c.path);
    }
    CloseHandle(held);
}

} // namespace
