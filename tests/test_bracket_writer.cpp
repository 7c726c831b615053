// The writer on real MSXML and real files, with no window: what it writes
// and what it refuses to write.
#include <gtest/gtest.h>

#include <vector>

#include "file/bracket_writer.h"
#include "support/bracket_file_fixture.h"
#include "support/failing_allocation.h"

namespace {

struct WriterTest : BracketFileTest {
    SaveReport report;
    int write(const std::wstring &path) { return writeBracketFile(&bracket, path.c_str(), &report); }
};

// 16 teams: base 1..16, then 17..24, 25..28, 29..30 and the champion 31.
TEST_F(WriterTest, SixteenSlotsWriteTheTitleTheCountAndEveryIdInOrder)
{
    build(16, L"Spring Cup");
    setName(17, L"T1");
    setName(25, L"T1");
    std::wstring path = pathOf(L"cup.xml");
    ASSERT_EQ(1, write(path));
    EXPECT_EQ(0, bracket.dirty) << "a successful save clears dirty";

    std::string expected = "Games\nTitle 'Spring Cup'\nTeams '16'\n";
    for (int id = 1; id <= 31; id++) {
        std::string name = id <= 16 ? "T" + std::to_string(id) : id == 17 || id == 25 ? "T1" : "";
        expected += "Team Name='" + name + "' id='" + std::to_string(id) + "'\n";
    }
    EXPECT_EQ(expected, describeXmlFile(path));
    EXPECT_EQ(std::string::npos, readFileBytes(path).find("<?xml")) << "the writer adds no declaration";
    EXPECT_EQ("cup.xml", folderListing(folder)) << "nothing but the file is left in its folder";
}

TEST_F(WriterTest, WithNoBracketOpenNothingIsWritten)
{
    std::wstring path = pathOf(L"none.xml");
    EXPECT_EQ(0, write(path));
    EXPECT_EQ(SAVE_FAULT_DECLINED, report.fault);
    EXPECT_FALSE(fileExists(path));
}

TEST_F(WriterTest, AMissingFolderFailsAndLeavesDirtySet)
{
    build(4, L"Cup");
    std::wstring path = pathOf(L"no such folder\\cup.xml");
    EXPECT_EQ(0, write(path));
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_EQ("", folderListing(folder));
}

TEST_F(WriterTest, ACountThatWasRoundedUpIsSavedAsTheSlotCount)
{
    std::wstring path = pathOf(L"five.xml");
    writeFileBytes(path, "<Games><Title>Five</Title><Teams>5</Teams><Team Name='E' id='5'/></Games>");
    ASSERT_EQ(1, readFile(path));
    ASSERT_EQ(1, write(path));
    std::string expected = "Games\nTitle 'Five'\nTeams '8'\n";
    for (int id = 1; id <= 15; id++)
        expected += "Team Name='" + std::string(id == 5 ? "E" : "") + "' id='" + std::to_string(id) + "'\n";
    EXPECT_EQ(expected, describeXmlFile(path));
}

TEST_F(WriterTest, AnEmptyTitleWritesAnEmptyTitleElement)
{
    build(1, L"");
    std::wstring path = pathOf(L"one.xml");
    ASSERT_EQ(1, write(path));
    EXPECT_EQ("Games\nTitle\nTeams '1'\nTeam Name='T1' id='1'\n", describeXmlFile(path));
}

// Names that XML must escape or that need more than one UTF-16 unit, an
// empty slot, and white space at both ends, cycled over every slot.
const WCHAR *const TRICKY_NAMES[] = {
    L"A&B", L"<tag>", L"\"quoted\"", L"it's", L"\x4E2D\x6587\x968A", L"\xD83C\xDFC6 cup", L"", L"  spaced  ",
    L"tab\there", L"]]>", L"&amp;",
};

std::wstring longName()
{
    return std::wstring(125, L'n') + L"\xD83C\xDFC6";  // 127 units
}

std::wstring longTitle()
{
    return L" <&>\"' \x4E2D\xD83C\xDFC6" + std::wstring(244, L't');  // 255 units, outer space kept
}

// Fills a bracket's slots with the tricky names and every pick with its
// left feeder's name, so all picks are valid.
void fillTricky(Bracket *bracket)
{
    for (int id = 1; id <= bracket->slotCount; id++) {
        std::wstring name = id == 2 ? longName() : TRICKY_NAMES[id % (sizeof TRICKY_NAMES / sizeof *TRICKY_NAMES)];
        lstrcpynW(bracket->nodeTable[id - 1]->name, name.c_str(), NAME_CAPACITY);
    }
    for (int k = bracket->depth - 1; k >= 0; k--) {
        for (BracketNode *node = leftmostAtLevel(bracket, k); node; node = nextInLevel(node))
            lstrcpyW(node->name, node->left->name);
    }
}

TEST_F(WriterTest, EverySizeRoundTripsTitleNamesAndPicksExactly)
{
    for (int teams = 1; teams <= 256; teams *= 2) {
        SCOPED_TRACE(teams);
        resetBracket(&bracket);
        build(teams, longTitle().c_str(), false);
        fillTricky(&bracket);
        std::vector<std::wstring> names;
        for (int id = 1; id <= 2 * teams - 1; id++)
            names.push_back(slot(id)->name);
        std::wstring path = pathOf(L"round.xml");
        ASSERT_EQ(1, write(path));
        resetBracket(&bracket);

        ASSERT_EQ(1, readFile(path));
        EXPECT_EQ(teams, bracket.slotCount);
        EXPECT_EQ(longTitle(), bracket.title);
        for (int id = 1; id <= 2 * teams - 1; id++)
            ASSERT_EQ(names[id - 1], std::wstring(slot(id)->name)) << "slot " << id;
        EXPECT_EQ(0, bracket.dirty);
    }
}

// The component opens a path as a URL; none of these may be read as one.
TEST_F(WriterTest, OddFileNamesSaveAndLoadUnderExactlyTheirName)
{
    const WCHAR *names[] = {
        L"with spaces.xml", L"a#b.xml", L"100%.xml", L"a%20b.xml", L"R&D.xml", L"\x8CFD\x7A0B #1.xml",
        L"semi;colon,comma'quote.xml", L"\xD83C\xDFC6.xml", L"file:x.xml" + 5,
    };
    for (const WCHAR *name : names) {
        std::wstring path = pathOf(name);
        resetBracket(&bracket);
        build(4, name);
        ASSERT_EQ(1, write(path)) << utf8(name);
        EXPECT_EQ(utf8(name), folderListing(folder)) << "written under exactly its name";
        resetBracket(&bracket);
        ASSERT_EQ(1, readFile(path)) << utf8(name);
        EXPECT_STREQ(name, bracket.title);
        DeleteFileW(path.c_str());
    }
}

TEST_F(WriterTest, APathOf259UnitsSavesAndLoads)
{
    std::wstring sub = folder + L"\\" + std::wstring(240 - folder.size(), L'd');
    ASSERT_TRUE(CreateDirectoryW(sub.c_str(), NULL));
    std::wstring path = sub + L"\\" + std::wstring(259 - sub.size() - 1 - 4, L'\x4E2D') + L".xml";
    ASSERT_EQ(259u, path.size());
    build(8, L"Long");
    ASSERT_EQ(1, write(path));
    ASSERT_EQ(1, write(path)) << "replacing works at the limit too";
    resetBracket(&bracket);
    ASSERT_EQ(1, readFile(path));
    EXPECT_STREQ(L"Long", bracket.title);
    EXPECT_EQ(8, bracket.slotCount);
}

// A failed save leaves the user's file as it was and the bracket dirty.
TEST_F(WriterTest, ReadOnlyAndBusyTargetsAreRefusedAndKeepTheirBytes)
{
    build(4, L"Cup");
    std::wstring locked = pathOf(L"locked.xml");
    writeFileBytes(locked, "old locked");
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(0, write(locked));
    EXPECT_EQ("old locked", readFileBytes(locked));
    EXPECT_EQ(1, bracket.dirty);

    std::wstring busy = pathOf(L"busy.xml");
    writeFileBytes(busy, "old busy");
    HANDLE holder = CreateFileW(busy.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    EXPECT_EQ(0, write(busy));
    CloseHandle(holder);
    EXPECT_EQ("old busy", readFileBytes(busy));
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_EQ("busy.xml locked.xml", folderListing(folder)) << "no temporary file is left";
}

// What XML 1.0 cannot carry, and its neighbours that it can.
TEST(UnwritableCharacters, ControlsNonCharactersAndHalfPairsAreFoundTheRestPasses)
{
    const WCHAR *unwritable[] = {L"\x0001", L"a\x000B", L"\x001F b", L"x\xFFFE", L"\xFFFFx",
                                 L"lone \xD800", L"\xD83C", L"\xDC00 first", L"\xDFC6\xD83C", L"\x0008"};
    for (const WCHAR *text : unwritable)
        EXPECT_EQ(1, holdsUnwritableCharacter(text)) << utf8(text) << " must be refused";
    const WCHAR *writable[] = {L"", L"tab\there", L"line\nfeed", L"carriage\rreturn", L"\xD83C\xDFC6 cup",
                               L"\xFFFD", L"\xFFFC\xFFEF", L"\x8CFD & <co> \"q\"", L"\x0020\x007F\x0085\xE000"};
    for (const WCHAR *text : writable)
        EXPECT_EQ(0, holdsUnwritableCharacter(text)) << utf8(text) << " must be written";
}

// A name or title the format cannot carry writes nothing, and the report
// says which one.
TEST_F(WriterTest, AnUnwritableNameOrTitleWritesNothingAndIsReported)
{
    build(4, L"Cup");
    std::wstring path = pathOf(L"cup.xml");
    writeFileBytes(path, "good old file");

    setName(3, L"Co\x0001ra");
    EXPECT_EQ(0, write(path));
    EXPECT_EQ(SAVE_FAULT_TEXT, report.fault);
    EXPECT_EQ(3, report.slotId) << "the third slot's name is at fault";
    setName(3, L"T3");

    lstrcpyW(bracket.title, L"Cup \xD800");
    EXPECT_EQ(0, write(path));
    EXPECT_EQ(SAVE_FAULT_TEXT, report.fault);
    EXPECT_EQ(0, report.slotId) << "the title is at fault";

    EXPECT_EQ("good old file", readFileBytes(path));
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_EQ("cup.xml", folderListing(folder));
}

// The file is read back through the reader before it replaces anything:
// when the reader cannot take it (here it cannot build the bracket), the
// good file stays and the report says the new one would not read back.
TEST_F(WriterTest, AFileTheReaderWouldRefuseNeverReplacesTheOldOne)
{
    build(4, L"Cup");
    std::wstring path = pathOf(L"cup.xml");
    writeFileBytes(path, "good old file");
    {
        FailingAllocations failing;
        EXPECT_EQ(0, write(path));
    }
    EXPECT_EQ(SAVE_FAULT_UNREADABLE, report.fault);
    EXPECT_EQ("good old file", readFileBytes(path));
    EXPECT_EQ("cup.xml", folderListing(folder)) << "no temporary file is left";
    EXPECT_EQ(1, bracket.dirty);

    ASSERT_EQ(1, write(path));
    EXPECT_EQ(SAVE_FAULT_NONE, report.fault);
    EXPECT_NE(std::string::npos, readFileBytes(path).find("<Title>Cup</Title>"));
}

SIZE_T bytesInAllHeaps()
{
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(64, heaps);
    SIZE_T used = 0;
    for (DWORD i = 0; i < count && i < 64; i++) {
        PROCESS_HEAP_ENTRY entry;
        entry.lpData = NULL;
        HeapLock(heaps[i]);
        while (HeapWalk(heaps[i], &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                used += entry.cbData;
        }
        HeapUnlock(heaps[i]);
    }
    return used;
}

// Every document, node, list, map and string is released on every path:
// sixty rounds of a save, a load and a refused load leave the heaps
// where they were.
TEST_F(WriterTest, RepeatedSavesAndLoadsKeepTheHeapsFlat)
{
    build(4, L"Leak check");
    fillTricky(&bracket);
    std::wstring path = pathOf(L"leak.xml");
    std::wstring broken = pathOf(L"broken.xml");
    writeFileBytes(broken, "<Games><Teams>4</Teams>");
    auto cycle = [&] {
        write(path);
        readFile(path);
        readFile(broken);
    };
    for (int i = 0; i < 10; i++)
        cycle();
    SIZE_T before = bytesInAllHeaps();
    for (int i = 0; i < 60; i++)
        cycle();
    SIZE_T after = bytesInAllHeaps();
    EXPECT_LT(after, before + 2048) << "grew by " << (after - before) << " bytes over 60 cycles";
}

} // namespace
