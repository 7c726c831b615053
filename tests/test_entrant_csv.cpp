// Entrants read from CSV files as spreadsheets write them, every row that
// cannot be taken named with its line, and a list written out and read
// back through a real file.
#include <gtest/gtest.h>

#include <string>

#include "file/entrant_csv.h"
#include "file/results_csv.h"
#include "model/heap.h"
#include "support/failing_allocation.h"
#include "support/temp_folder.h"

namespace {

// Entrants as "name|club|rating|seed" joined by " / " (empty rating and
// seed left empty), then the rows refused as " ! line:reason".
std::string describe(const EntrantImport &import)
{
    std::string text;
    for (int i = 0; i < import.entrants.count; i++) {
        const Entrant &e = import.entrants.items[i];
        text += std::string(i ? " / " : "") + utf8(e.name) + "|" + utf8(e.club) + "|" +
                (e.rated ? std::to_string(e.rating) : "") + "|" + (e.seed ? std::to_string(e.seed) : "");
    }
    for (int i = 0; i < import.problemCount; i++)
        text += " ! " + std::to_string(import.problem[i].line) + ":" + std::to_string(import.problem[i].reason);
    return text;
}

std::string read(const std::string &bytes)
{
    EntrantImport import;
    if (!readEntrantCsv((const BYTE *)bytes.data(), (DWORD)bytes.size(), &import))
        return "<out of memory>";
    std::string text = describe(import);
    freeEntrantImport(&import);
    return text;
}

// UTF-16LE with its mark, as "Unicode text" is saved.
std::string unicodeText(const std::wstring &text)
{
    std::string bytes = "\xFF\xFE";
    for (wchar_t unit : text) {
        bytes += char(unit & 0xFF);
        bytes += char(unit >> 8);
    }
    return bytes;
}

// Bytes as the system's code page reads them, in UTF-8.
std::string inCodePage(const std::string &bytes)
{
    wchar_t wide[16] = {};
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), (int)bytes.size(), wide, 15);
    return utf8(wide);
}

const std::string BOM = "\xEF\xBB\xBF";

TEST(EntrantCsv, AwkwardFilesGiveTheirEntrantsAndNameEveryRefusedRow)
{
    struct Case {
        const char *what;
        std::string bytes;
        std::string expected;
    } cases[] = {
        {"quoted comma, doubled quote and a line break in a name", BOM +
             "Name,Club,Rating\r\n\"Lee, Ann\",\"The \"\"Aces\"\"\",1500\r\n\"Two\r\nLines\",X,\r\nBo,Y,-20\r\n",
         "Lee, Ann|The \"Aces\"|1500| / Two Lines|X|| / Bo|Y|-20|"},
        {"no mark, LF, no header: name, club, rating, seed by position", "Ann,North,1200,2\nBo\n\nCy,,,1\n",
         "Ann|North|1200|2 / Bo||| / Cy|||1"},
        {"semicolons with a comma inside a name", "Name;Club\nSmith, J;A\nDoe;B\n", "Smith, J|A|| / Doe|B||"},
        {"a first line naming the separator", "sep=;\r\nName;Club\r\nSmith, J;A\r\n;B\r\n", "Smith, J|A|| ! 4:1"},
        {"unicode text, tab-separated, Chinese header in another order",
         unicodeText(L"種子\t積分\t姓名\t俱樂部\r\n1\t2100\t王小明\t台北\r\n\t\t李四\t台中\r\n"),
         "王小明|台北|2100|1 / 李四|台中||"},
        {"header columns in another order, unknown ones read over", "Seed,Notes,Rating,Club,Player\n,x,9,C,Ann\n",
         "Ann|C|9|"},
        {"names that differ only in case are one entrant, given again; outer spaces go", "  Ann  ,A\nann,A\n",
         "Ann|A|| ! 2:3"},
        {"bad rows named by the line they start on",
         "Name,Club,Rating,Seed\n"
         "Ann,A,12.5,\n"         // line 2: rating not whole
         ",A,100,\n"             // line 3: no name
         "\"Bo\nBo\",B,,300\n"   // line 4 (two lines): seed out of range
         "Cy,C,,1\n"             // line 6: taken
         "Di,D,,1\n"             // line 7: seed repeated
         "Cy,E\n"                // line 8: name repeated
         "Ed,E,x1,\n"            // line 9: rating not a number
         "Fay,\"F",              // line 10: the file ends inside a quote
         "Cy|C||1 ! 2:5 ! 3:1 ! 4:6 ! 7:7 ! 8:3 ! 9:5 ! 10:8"},
        {"names and clubs too long", "Name,Club\n" + std::string(128, 'n') + ",A\nOk," + std::string(64, 'c') + "\n",
         " ! 2:2 ! 3:4"},
        // Two bytes that are a character in the Western and the Chinese
        // code pages alike, and no UTF-8.
        {"the system code page where bytes are no UTF-8", "\xA4\xA4,Paris\n", inCodePage("\xA4\xA4") + "|Paris||"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.expected, read(c.bytes)) << c.what;
}

// More rows than a list holds, and memory running out at each allocation
// in turn: the rows past the list's end are named, and a failed read keeps
// nothing.
TEST(EntrantCsv, AFullListNamesTheRestAndAFailedReadKeepsNothing)
{
    std::string bytes;
    for (int i = 1; i <= MAX_ENTRANT_LIST_COUNT + 2; i++)
        bytes += "P" + std::to_string(i) + "\n";
    EntrantImport import;
    ASSERT_TRUE(readEntrantCsv((const BYTE *)bytes.data(), (DWORD)bytes.size(), &import));
    EXPECT_EQ(MAX_ENTRANT_LIST_COUNT, import.entrants.count);
    ASSERT_EQ(2, import.problemCount);
    EXPECT_EQ(MAX_ENTRANT_LIST_COUNT + 2, import.problem[1].line);
    EXPECT_EQ(ROW_LIST_FULL, import.problem[1].reason);
    freeEntrantImport(&import);

    LONG before = liveBlockCount();
    for (int allowed = 0;; allowed++) {
        FailingAllocations failing(allowed);
        if (readEntrantCsv((const BYTE *)bytes.data(), (DWORD)bytes.size(), &import)) {
            freeEntrantImport(&import);
            break;
        }
        EXPECT_EQ(0, import.entrants.count);
        EXPECT_EQ(before, liveBlockCount()) << allowed << " allocations allowed";
    }
}

TEST(EntrantCsv, AnExportedListReadsBackTheSameThroughARealFile)
{
    TempFolder folder;
    EntrantList list = {};
    Entrant people[] = {
        {L"Lee, Ann", L"The \"Aces\"", 1, 1500, 3},
        {L"Bo \"Ace\" Li", L"", 0, 0, 0},
        {L"Spaced", L"北區;南區", 1, -7, 1},
        {L"王小明", L"台北", 1, 99999999, 0},
    };
    for (const Entrant &person : people)
        ASSERT_TRUE(addEntrant(&list, &person));
    ASSERT_FALSE(addEntrant(&list, &people[0])) << "a name already listed";
    std::wstring path = folder.file(L"entrants.csv");
    ASSERT_TRUE(saveEntrantCsvFile(path.c_str(), &list, NULL));
    EXPECT_EQ(BOM, readFileBytes(path).substr(0, 3)) << "a spreadsheet needs the mark to read UTF-8";

    EntrantImport import;
    ASSERT_TRUE(readEntrantCsvFile(path.c_str(), &import));
    EXPECT_EQ(0, import.problemCount);
    ASSERT_EQ(list.count, import.entrants.count);
    for (int i = 0; i < list.count; i++) {
        const Entrant &a = list.items[i], &b = import.entrants.items[i];
        EXPECT_EQ(std::wstring(a.name), std::wstring(b.name));
        EXPECT_EQ(std::wstring(a.club), std::wstring(b.club));
        EXPECT_EQ(a.rated, b.rated);
        EXPECT_EQ(a.rating, b.rating);
        EXPECT_EQ(a.seed, b.seed);
    }
    freeEntrantImport(&import);
    freeEntrantList(&list);

    const wchar_t *headings[RESULT_COLUMN_COUNT] = {L"Round", L"Match", L"Entrant", L"Entrant", L"Winner",
                                                    L"Result", L"Outcome", L"Court", L"Time"};
    ResultRow rows[] = {{{L"Final", L"1", L"Lee, Ann", L"Bo", L"Bo", L"3-1", NULL, L"2", L"10:30"}}};
    std::wstring results = folder.file(L"results.csv");
    ASSERT_TRUE(saveResultsCsvFile(results.c_str(), headings, rows, 1));
    EXPECT_EQ(BOM + "Round,Match,Entrant,Entrant,Winner,Result,Outcome,Court,Time\r\n"
                    "Final,1,\"Lee, Ann\",Bo,Bo,3-1,,2,10:30\r\n",
              readFileBytes(results));
}

}  // namespace
