// Entrants with clubs on the real main window: the Entrants dialog, a CSV
// file's bad rows named before anything is taken, and the draws keeping
// club-mates apart or saying where they cannot.
#include <gtest/gtest.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_script.h"
#include "support/editor_window.h"
#include "ui/document/entrant_files.h"

namespace {

struct EntrantsWindowTest : EditorWindowTest {
    std::wstring listed()
    {
        std::wstring text;
        for (int i = 0; i < bracket.entrants.count; i++) {
            const Entrant &e = bracket.entrants.items[i];
            text += std::wstring(e.name) + L"|" + e.club + L"|" + (e.rated ? std::to_wstring(e.rating) : L"-") +
                    L"|" + std::to_wstring(e.seed) + L"\n";
        }
        return text;
    }
    const WCHAR *clubOf(const std::wstring &name)
    {
        int i = findEntrant(&bracket.entrants, name.c_str());
        return i < 0 ? L"" : bracket.entrants.items[i].club;
    }
};

// The names column of the list view, top to bottom.
std::vector<std::wstring> shownNames(HWND list)
{
    std::vector<std::wstring> names;
    int count = (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    for (int row = 0; row < count; row++) {
        WCHAR text[NAME_CAPACITY] = L"";
        LVITEMW item = {};
        item.pszText = text;
        item.cchTextMax = NAME_CAPACITY;
        SendMessageW(list, LVM_GETITEMTEXTW, (WPARAM)row, (LPARAM)&item);
        names.push_back(text);
    }
    return names;
}

// Selects the row showing name, as a click on it would.
bool chooseRow(HWND list, const std::wstring &name)
{
    std::vector<std::wstring> names = shownNames(list);
    for (size_t row = 0; row < names.size(); row++) {
        if (names[row] != name)
            continue;
        LVITEMW state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, row, (LPARAM)&state);
        return true;
    }
    return false;
}

// A button of the dialog clicked, once the dialog has acted on it.
void click(HWND dialog, int id)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

// A click on a column heading, as the list view reports it.
void clickHeading(HWND dialog, int column)
{
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = GetDlgItem(dialog, IDC_ENTRANTS_LIST);
    click.hdr.idFrom = IDC_ENTRANTS_LIST;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = column;
    SendMessageW(dialog, WM_NOTIFY, IDC_ENTRANTS_LIST, (LPARAM)&click);
}

const char FOUR_WITH_ENTRANTS[] =
    "<Games><Title>Cup</Title><Teams>4</Teams><Team Name=\"Ann\" id=\"1\"/><Team Name=\"Bea\" id=\"2\"/>"
    "<Team Name=\"Cid\" id=\"3\"/><Team Name=\"Dot\" id=\"4\"/><Entrants>"
    "<Entrant Name=\"Ann\" Club=\"North\" Rating=\"1500\" Seed=\"1\"/><Entrant Name=\"Bea\" Club=\"South\" Rating=\"1700\"/>"
    "<Entrant Name=\"Cid\" Rating=\"1600\"/><Entrant Name=\"Dot\" Club=\"East\"/>"
    "<Entrant Name=\"Reserve\" Club=\"West\" Rating=\"1100\"/></Entrants></Games>";

// A user adds an entrant, sorts by rating both ways, changes one who is in
// the draw (whose name stays as it is drawn) and removes a reserve; what
// the list refuses is said and changes nothing.
TEST_F(EntrantsWindowTest, EntrantsAreAddedSortedChangedAndRemovedInTheList)
{
    openOn(FOUR_WITH_ENTRANTS);
    DialogScript script(window, [](DialogScript &s) {
        HWND d = s.next("the Entrants dialog");
        if (!d)
            return;
        HWND list = GetDlgItem(d, IDC_ENTRANTS_LIST);
        EXPECT_EQ((std::vector<std::wstring>{L"Ann", L"Bea", L"Cid", L"Dot", L"Reserve"}), shownNames(list));

        s.type(GetDlgItem(d, IDC_ENTRANT_NAME), L"  Eve ");
        s.type(GetDlgItem(d, IDC_ENTRANT_CLUB), L"North");
        s.type(GetDlgItem(d, IDC_ENTRANT_RATING), L"1650");
        click(d, IDC_ENTRANT_ADD);
        EXPECT_EQ(L"", DialogScript::caption(GetDlgItem(d, IDC_ENTRANT_NOTE))) << "Eve is taken";
        EXPECT_EQ(6u, shownNames(list).size());
        s.type(GetDlgItem(d, IDC_ENTRANT_NAME), L"bea");
        click(d, IDC_ENTRANT_ADD);
        EXPECT_NE(L"", DialogScript::caption(GetDlgItem(d, IDC_ENTRANT_NOTE))) << "a second Bea is refused";
        EXPECT_EQ(6u, shownNames(list).size());

        clickHeading(d, 2);
        EXPECT_EQ((std::vector<std::wstring>{L"Reserve", L"Ann", L"Cid", L"Eve", L"Bea", L"Dot"}), shownNames(list))
            << "rating ascending, the unrated last";
        clickHeading(d, 2);
        EXPECT_EQ((std::vector<std::wstring>{L"Bea", L"Eve", L"Cid", L"Ann", L"Reserve", L"Dot"}), shownNames(list))
            << "rating descending, the unrated still last";

        ASSERT_TRUE(chooseRow(list, L"Cid"));
        EXPECT_EQ(L"Cid", DialogScript::caption(GetDlgItem(d, IDC_ENTRANT_NAME)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, IDC_ENTRANT_REMOVE))) << "Cid stands in the draw";
        EXPECT_TRUE(GetWindowLongW(GetDlgItem(d, IDC_ENTRANT_NAME), GWL_STYLE) & ES_READONLY);
        s.type(GetDlgItem(d, IDC_ENTRANT_SEED), L"1");
        click(d, IDC_ENTRANT_CHANGE);
        EXPECT_NE(L"", DialogScript::caption(GetDlgItem(d, IDC_ENTRANT_NOTE))) << "seed 1 is Ann's";
        s.type(GetDlgItem(d, IDC_ENTRANT_SEED), L"2");
        s.type(GetDlgItem(d, IDC_ENTRANT_CLUB), L"West");
        click(d, IDC_ENTRANT_CHANGE);
        EXPECT_EQ(L"", DialogScript::caption(GetDlgItem(d, IDC_ENTRANT_NOTE)));

        ASSERT_TRUE(chooseRow(list, L"Reserve"));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, IDC_ENTRANT_REMOVE)));
        click(d, IDC_ENTRANT_REMOVE);
        EXPECT_EQ((std::vector<std::wstring>{L"Bea", L"Eve", L"Cid", L"Ann", L"Dot"}), shownNames(list));
        s.press(d, IDOK);
    });
    command(IDM_EDIT_ENTRANTS);
    EXPECT_EQ("", script.finish());
    EXPECT_EQ(L"Ann|North|1500|1\nBea|South|1700|0\nCid|West|1600|2\nDot|East|-|0\nEve|North|1650|0\n", listed());
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_EQ(L"Cid", name(3)) << "the draw is untouched";

    DialogScript cancelled(window, [](DialogScript &s) {
        HWND d = s.next("the Entrants dialog");
        HWND list = GetDlgItem(d, IDC_ENTRANTS_LIST);
        if (chooseRow(list, L"Eve"))
            click(d, IDC_ENTRANT_REMOVE);
        s.press(d, IDCANCEL);
    });
    command(IDM_EDIT_ENTRANTS);
    EXPECT_EQ("", cancelled.finish());
    EXPECT_EQ(5, bracket.entrants.count) << "Cancel keeps the list as it was";
}

// Rows the file cannot give are named with their lines before anything is
// taken; Cancel leaves the open bracket, OK goes on to New from list with
// the rest, whose seeded draw keeps the file's columns.
TEST_F(EntrantsWindowTest, AFilesBadRowsAreNamedBeforeAnythingIsImported)
{
    openOn(FOUR_WITH_ENTRANTS);
    std::wstring csv = folder.file(L"Club night.csv");
    writeFileBytes(csv, "Club,Name,Seed\r\n"
                        "North,Ann,1\r\n"
                        "South,,\r\n"
                        "South,Bea,1\r\n"
                        "East,Cid,\r\n"
                        "West,ann,\r\n"
                        "\"North, upper\",Dot,2\r\n"
                        "West,Eve,\r\n");
    std::wstring question;
    DialogScript refused(window, [&](DialogScript &s) {
        HWND box = s.next("the question about bad rows");
        question = DialogScript::messageText(box);
        s.press(box, IDCANCEL);
    });
    importEntrantsFrom(window, &state, csv.c_str());
    EXPECT_EQ("", refused.finish());
    // Lines 3, 4 and 6 are bad; 2, 5 and 8 are good, and no count or
    // reason holds their digits.
    for (const WCHAR *line : {L"6"})
        EXPECT_NE(std::wstring::npos, question.find(line)) << "line " << DialogScript::narrow(line) << " in:\n"
                                                          << DialogScript::narrow(question);
    for (const WCHAR *line : {L"2", L"5", L"8"})
        EXPECT_EQ(std::wstring::npos, question.find(line)) << "line " << DialogScript::narrow(line) << " in:\n"
                                                          << DialogScript::narrow(question);
    EXPECT_EQ(L"Ann", name(1)) << "nothing was imported";
    EXPECT_EQ(5, bracket.entrants.count);

    DialogScript taken(window, [](DialogScript &s) {
        s.press(s.next("the question about bad rows"), IDOK);
        HWND d = s.next("New from list with the file's entrants");
        if (!d)
            return;
        EXPECT_EQ(L"Club night", DialogScript::caption(GetDlgItem(d, IDC_LIST_TITLE_EDIT)));
        EXPECT_EQ(BST_CHECKED, SendDlgItemMessageW(d, IDC_LIST_SEEDED, BM_GETCHECK, 0, 0));
        s.press(d, IDC_LIST_OK);
    });
    importEntrantsFrom(window, &state, csv.c_str());
    EXPECT_EQ("", taken.finish());
    ASSERT_EQ(4, bracket.slotCount);
    EXPECT_EQ(L"Ann|North|-|1\nCid|East|-|0\nDot|North, upper|-|2\nEve|West|-|0\n", listed());
    EXPECT_EQ(L"Ann", name(1)) << "seed 1 on the first line";
    EXPECT_EQ(L"Dot", name(4)) << "seed 2 on the last";
}

// Seeds stay on their lines even where that puts club-mates together: the
// draw is made, and a message names them and the round they can meet.
TEST_F(EntrantsWindowTest, ClubMatesTheSeedsPutTogetherAreNamed)
{
    openEmpty();
    DialogScript script(window, [](DialogScript &s) {
        HWND d = s.next("New from list");
        if (!d)
            return;
        s.type(GetDlgItem(d, IDC_LIST_TITLE_EDIT), L"Seeds");
        s.type(GetDlgItem(d, IDC_LIST_ENTRANTS_EDIT), L"Name\tClub\tSeed\r\nAnn\tA\t1\r\nBea\tB\t2\r\nCid\tB\t3\r\nDot\tA\t4\r\n");
        s.press(d, IDC_LIST_OK);
        HWND box = s.next("the message about club-mates");
        std::wstring text = DialogScript::messageText(box);
        for (const WCHAR *mate : {L"Ann", L"Dot", L"Bea", L"Cid"})
            EXPECT_NE(std::wstring::npos, text.find(mate)) << DialogScript::narrow(text);
        s.press(box, IDOK);
    });
    command(IDM_FILE_NEW_FROM_LIST);
    EXPECT_EQ("", script.finish());
    EXPECT_EQ(L"Ann", name(1));
    EXPECT_EQ(L"Dot", name(2));
}

// Draw teams with clubs: every draw leaves no club-mates in a first-round
// match and each club's two best in different halves.
TEST_F(EntrantsWindowTest, DrawTeamsKeepsClubMatesApart)
{
    openOn("<Games><Title>Cup</Title><Teams>8</Teams><Team Name=\"A1\" id=\"1\"/><Team Name=\"A2\" id=\"2\"/>"
           "<Team Name=\"A3\" id=\"3\"/><Team Name=\"A4\" id=\"4\"/><Team Name=\"B1\" id=\"5\"/>"
           "<Team Name=\"B2\" id=\"6\"/><Team Name=\"B3\" id=\"7\"/><Team Name=\"B4\" id=\"8\"/><Entrants>"
           "<Entrant Name=\"A1\" Club=\"A\" Rating=\"900\"/><Entrant Name=\"A2\" Club=\"A\" Rating=\"800\"/>"
           "<Entrant Name=\"A3\" Club=\"A\" Rating=\"700\"/><Entrant Name=\"A4\" Club=\"A\" Rating=\"600\"/>"
           "<Entrant Name=\"B1\" Club=\"B\" Rating=\"900\"/><Entrant Name=\"B2\" Club=\"B\" Rating=\"800\"/>"
           "<Entrant Name=\"B3\" Club=\"B\" Rating=\"700\"/><Entrant Name=\"B4\" Club=\"B\" Rating=\"600\"/>"
           "</Entrants></Games>");
    for (int draw = 0; draw < 6; draw++) {
        SCOPED_TRACE(draw);
        DialogScript none(window, [](DialogScript &) {});
        command(IDM_EDIT_DRAW_TEAMS);
        EXPECT_EQ("", none.finish()) << "a field that allows the rule brings no message";
        for (int match = 0; match < 4; match++)
            EXPECT_NE(std::wstring(clubOf(name(2 * match + 1))), clubOf(name(2 * match + 2)));
        for (const WCHAR *club : {L"A", L"B"}) {
            int half1 = -1, half2 = -1;
            for (int id = 1; id <= 8; id++) {
                if (name(id) == std::wstring(club) + L"1")
                    half1 = (id - 1) / 4;
                if (name(id) == std::wstring(club) + L"2")
                    half2 = (id - 1) / 4;
            }
            EXPECT_NE(half1, half2) << "club " << DialogScript::narrow(club) << "'s best two";
        }
    }
    EXPECT_EQ(L"", name(9)) << "the picks were cleared";
}

}  // namespace
