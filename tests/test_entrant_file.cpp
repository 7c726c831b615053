// The entrant list in the bracket file: what a save writes, what a reopen
// gives back, and what a hand-edited file's odd entrants become.
#include <gtest/gtest.h>

#include <string>

#include "file/bracket_writer.h"
#include "support/bracket_file_fixture.h"

namespace {

struct EntrantFileTest : BracketFileTest {
    SaveReport report;
    int write(const std::wstring &path) { return writeBracketFile(&bracket, path.c_str(), &report); }
    void add(const WCHAR *name, const WCHAR *club, int rated, int rating, int seed)
    {
        Entrant entrant = {};
        lstrcpynW(entrant.name, name, NAME_CAPACITY);
        lstrcpynW(entrant.club, club, CLUB_CAPACITY);
        entrant.rated = rated;
        entrant.rating = rating;
        entrant.seed = seed;
        ASSERT_EQ(1, addEntrant(&bracket.entrants, &entrant));
    }
    // One line per entrant: name|club|rating or -|seed.
    std::wstring listed()
    {
        std::wstring text;
        for (int i = 0; i < bracket.entrants.count; i++) {
            const Entrant &e = bracket.entrants.items[i];
            text += std::wstring(e.name) + L"|" + e.club + L"|" + (e.rated ? std::to_wstring(e.rating) : L"-") + L"|" +
                    std::to_wstring(e.seed) + L"\n";
        }
        return text;
    }
};

// Awkward texts, a negative rating, an entrant with nothing but a name and
// a reserve who is in no slot: the reopened list is the list saved, and a
// second save writes the same bytes.
TEST_F(EntrantFileTest, AListSavedAndReopenedIsTheSameListAndSavesToTheSameBytes)
{
    build(4, L"Cup");
    add(L"T1", L"Club \"A\", <North> & Co", 1, 2150, 1);
    add(L"T2", L"", 1, -35, 0);
    add(L"T3", L"\xD83C\xDFD3 Club", 0, 0, 2);
    add(L"T4", L"club a", 0, 0, 0);
    add(L"Reserve", L"", 0, 0, 0);
    std::wstring saved = listed();
    std::wstring first = pathOf(L"first.xml");
    ASSERT_EQ(1, write(first));
    std::string bytes = readFileBytes(first);
    EXPECT_NE(std::string::npos, bytes.find("<Entrant Name=\"T4\" Club=\"club a\"/>"))
        << "attributes without a value are left out:\n" << bytes;
    EXPECT_NE(std::string::npos, bytes.find("<Entrant Name=\"T2\" Rating=\"-35\"/>")) << bytes;

    resetBracket(&bracket);
    ASSERT_EQ(1, readFile(first));
    EXPECT_EQ(saved, listed());
    std::wstring second = pathOf(L"second.xml");
    ASSERT_EQ(1, write(second));
    EXPECT_EQ(readFileBytes(first), readFileBytes(second));
}

TEST_F(EntrantFileTest, ABracketWithoutEntrantsWritesNoEntrantsElement)
{
    build(2, L"Cup");
    std::wstring path = pathOf(L"plain.xml");
    ASSERT_EQ(1, write(path));
    EXPECT_EQ("Games\nTitle 'Cup'\nTeams '2'\nTeam Name='T1' id='1'\nTeam Name='T2' id='2'\nTeam Name='' id='3'\n",
              describeXmlFile(path));
    ASSERT_EQ(1, readFile(path));
    EXPECT_EQ(0, bracket.entrants.count);
}

// A list pasted from elsewhere may hold what XML cannot carry: the save
// goes through, that character alone lost.
TEST_F(EntrantFileTest, AStrayControlCharacterCostsThatCharacterAndNotTheSave)
{
    build(2, L"Cup");
    add(L"T1", L"North\x01", 0, 0, 0);
    add(L"T2", L"\xDC00South", 0, 0, 0);
    std::wstring path = pathOf(L"stray.xml");
    ASSERT_EQ(1, write(path));
    ASSERT_EQ(1, readFile(path));
    EXPECT_EQ(L"T1|North\xFFFD|-|0\nT2|\xFFFDSouth|-|0\n", listed());
}

// What a hand-edited file may hold: each field is taken only when valid,
// and an entrant without a name or repeating one above is passed over.
TEST_F(EntrantFileTest, AHandEditedListKeepsWhatIsValid)
{
    std::string club(80, 'c');
    std::wstring path = fileWith(teamsFile("2", "<Team Name='A' id='1'/><Team Name='B' id='2'/>"
                                                "<Entrants>"
                                                "<Entrant Name='A' Rating='12x' Seed='300'/>"
                                                "<Entrant Club='Nameless'/>"
                                                "<Entrant Name='' Club='Empty'/>"
                                                "<Entrant Name='a' Club='Repeat'/>"
                                                "<Entrant Name='B' Club='" + club + "' Rating='-99999999' Seed='2'/>"
                                                "<Entrant Name='C' Rating='100000000' Seed='-1'/>"
                                                "</Entrants>"));
    ASSERT_EQ(1, readFile(path));
    EXPECT_EQ(L"A||-|0\nB|" + std::wstring(63, L'c') + L"|-99999999|2\nC||-|0\n", listed());
}

} // namespace
