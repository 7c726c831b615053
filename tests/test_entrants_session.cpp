// Entrants with clubs on duelmark.exe driven from outside, as an organiser
// would: 24 entrants from 6 clubs imported from a spreadsheet's file, a
// seeded draw that keeps club-mates apart, every match decided, the
// champion renamed with every result kept, the results exported and the bracket saved with its entrants.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/drop_downs.h"
#include "support/editor_process.h"
#include "support/temp_folder.h"

namespace {

std::vector<HWND> pickDropDowns(HWND window)
{
    return dropDownsOf(window, IDC_PICK_COMBO);
}

// Takes the upper of two entrants; false when the list offers fewer.
bool pickUpper(HWND window, HWND combo)
{
    return chooseOfTwo(window, combo, 0);
}

// The value of attribute in the element that starts at from.
std::string attribute(const std::string &xml, size_t from, const std::string &name)
{
    size_t end = xml.find("/>", from);
    size_t at = xml.find(" " + name + "=\"", from);
    if (at == std::string::npos || at > end)
        return "";
    at += name.size() + 3;
    return xml.substr(at, xml.find('"', at) - at);
}

std::vector<std::string> split(const std::string &text, const std::string &by)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = text.find(by, start)) != std::string::npos; start = at + by.size())
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

struct Player {
    std::string name, club;
    int rating;
};

TEST(EntrantsSession, ImportedEntrantsAreDrawnWithClubMatesApartAndTheirResultsExported)
{
    TempFolder folder;
    // Club A..F in turn, best rated first; the four best are seeded.
    std::vector<Player> players;
    std::string csv = "Seed;Name;Club;Rating\r\n";
    for (int i = 0; i < 24; i++) {
        char name[16];
        wsprintfA(name, "Player %02d", i + 1);
        players.push_back({name, std::string("Club ") + (char)('A' + i % 6), 2400 - 10 * i});
        csv += (i < 4 ? std::to_string(i + 1) : "") + ";" + name + ";" + players.back().club + ";" +
               std::to_string(players.back().rating) + "\r\n";
    }
    std::wstring source = folder.file(L"Open 24.csv");
    writeFileBytes(source, "\xEF\xBB\xBF" + csv);
    std::wstring results = folder.file(L"results.csv");
    std::wstring saved = folder.file(L"open.xml");
    std::wstring champion;
    {
        Editor editor;
        ASSERT_TRUE(editor.start(L""));
        ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark"));
        EXPECT_EQ("", editor.command(IDM_FILE_IMPORT_ENTRANTS, [&](DialogScript &s) {
            s.chooseFile(s.next("the Open dialog"), source);
            HWND d = s.next("New from list with the entrants");
            if (d)
                s.press(d, IDC_LIST_OK);
        })) << "no rows refused and no club-mates named";
        ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark - Open 24"));

        std::vector<HWND> picks = pickDropDowns(editor.window);
        ASSERT_EQ(31u, picks.size());
        for (int pass = 0, decided = 1; decided && pass < 10; pass++) {
            decided = 0;
            for (HWND combo : picks)
                decided += Editor::text(combo).empty() && pickUpper(editor.window, combo);
        }
        champion = Editor::text(picks.back());
        for (HWND combo : picks)
            EXPECT_NE(L"", Editor::text(combo)) << "a match left undecided";
        // The final's score, given in its Match result dialog; the focus
        // is moved until it is seen on the final's pick.
        auto focusFinal = [&] { EXPECT_TRUE(editor.focus(picks.back())); };
        focusFinal();
        EXPECT_EQ("", editor.command(IDM_EDIT_MATCH_RESULT, [](DialogScript &s) {
            HWND dialog = s.next("the final's Match result dialog");
            s.type(GetDlgItem(dialog, IDC_RESULT_TEXT), L"11:7 11:9");
            s.press(dialog, IDOK);
        }));

        // The champion, who won every round, is renamed from the final's
        // pick: every result stays with the new name.
        focusFinal();
        EXPECT_EQ("", editor.command(IDM_EDIT_RENAME_ENTRANT, [](DialogScript &s) {
            HWND dialog = s.next("the Rename entrant dialog");
            if (!dialog)
                return;
            s.type(GetDlgItem(dialog, IDC_CHANGE_OTHER), L"Renamed Champion");
            s.press(dialog, IDOK);
        }));
        EXPECT_EQ(L"Renamed Champion", Editor::text(picks.back()));

        EXPECT_EQ("", editor.command(IDM_FILE_EXPORT_RESULTS, [&](DialogScript &s) {
            s.chooseFile(s.next("the Save dialog for results"), results);
        }));
        EXPECT_EQ("", editor.command(IDM_FILE_SAVE, [&](DialogScript &s) {
            s.chooseFile(s.next("the Save dialog"), saved);
        }));
        EXPECT_EQ("", editor.command(IDCANCEL));
        EXPECT_TRUE(editor.endedCleanly());
    }

    // The first round as saved: base slots 1..32, down the left column
    // (the upper half), then down the right.
    std::string xml = readFileBytes(saved);
    std::vector<std::string> slotName(32);
    for (size_t at = xml.find("<Team "); at != std::string::npos; at = xml.find("<Team ", at + 1)) {
        int id = atoi(attribute(xml, at, "id").c_str());
        if (id >= 1 && id <= 32)
            slotName[id - 1] = attribute(xml, at, "Name");
    }
    int entrantElements = 0;
    for (size_t at = xml.find("<Entrant "); at != std::string::npos; at = xml.find("<Entrant ", at + 1))
        entrantElements++;
    EXPECT_EQ(24, entrantElements) << "the entrant list is saved with the bracket";

    // Each club's four, best first: the best two in different halves, the
    // other two in the two quarters those do not hold.
    std::map<std::string, std::vector<int>> slotsOfClub;
    for (const Player &player : players) {
        std::string standing = utf8(champion) == player.name ? "Renamed Champion" : player.name;
        auto found = std::find(slotName.begin(), slotName.end(), standing);
        ASSERT_NE(slotName.end(), found) << player.name << " is not in the draw";
        slotsOfClub[player.club].push_back((int)(found - slotName.begin()));
    }
    for (auto &club : slotsOfClub) {
        SCOPED_TRACE(club.first);
        const std::vector<int> &slots = club.second;
        ASSERT_EQ(4u, slots.size());
        EXPECT_NE(slots[0] / 16, slots[1] / 16) << "the two best share a half";
        std::vector<int> quarters;
        for (int slot : slots)
            quarters.push_back(slot / 8);
        std::sort(quarters.begin(), quarters.end());
        EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), quarters) << "two club-mates share a quarter";
    }

    // One row per match played: 8 first-round matches (the other 8 are
    // byes), then 8, 4, 2 and the final; the winner is one of the two.
    std::string bytes = readFileBytes(results);
    ASSERT_EQ("\xEF\xBB\xBF", bytes.substr(0, 3)) << "UTF-8 with a byte-order mark";
    std::vector<std::string> lines = split(bytes.substr(3), "\r\n");
    ASSERT_EQ("", lines.back()) << "every row ends with CR LF";
    lines.pop_back();
    ASSERT_EQ(24u, lines.size()) << "a heading row and 23 matches";
    std::string lastWinner;
    for (size_t i = 1; i < lines.size(); i++) {
        std::vector<std::string> cells = split(lines[i], ",");
        ASSERT_EQ(9u, cells.size()) << lines[i];
        EXPECT_TRUE(cells[4] == cells[2] || cells[4] == cells[3]) << lines[i];
        EXPECT_NE("", cells[4]) << lines[i];
        EXPECT_NE("", cells[6]) << "a decided match's outcome: " << lines[i];
        lastWinner = cells[4];
    }
    EXPECT_EQ("Renamed Champion", lastWinner) << "the final's row comes last, under the new name";
    int renamedWins = 0;
    for (size_t i = 1; i < lines.size(); i++)
        renamedWins += split(lines[i], ",")[4] == "Renamed Champion";
    EXPECT_LE(2, renamedWins) << "the renamed entrant's earlier wins are kept";
    EXPECT_EQ("11:7 11:9", split(lines.back(), ",")[5]) << "the final's result";
}

} // namespace
