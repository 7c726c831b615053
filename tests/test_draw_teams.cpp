// The Edit menu's draw on the real main window: the slots show the drawn
// order, the picks are blank, one undo brings the old order back, and
// locked base slots are left alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "res/resource.h"
#include "support/editor_window.h"

namespace {

struct DrawTeamsTest : EditorWindowTest {
    std::vector<std::wstring> shownTeams()
    {
        std::vector<std::wstring> teams;
        for (int id = 1; id <= 16; id++)
            teams.push_back(shown(id));
        return teams;
    }
};

TEST_F(DrawTeamsTest, TheSlotsShowTheDrawAndOneUndoTakesItBack)
{
    openOn(SIXTEEN_TEAMS_XML);
    std::vector<std::wstring> loaded = shownTeams();
    command(IDM_EDIT_DRAW_TEAMS);
    std::vector<std::wstring> drawn = shownTeams();
    for (int id = 1; id <= 16; id++)
        EXPECT_EQ(name(id), drawn[id - 1]) << "slot " << id << " shows its new name";
    EXPECT_NE(loaded, drawn) << "a draw of 16 keeps the order once in 16! tries";
    std::vector<std::wstring> sorted = drawn, expected = loaded;
    std::sort(sorted.begin(), sorted.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, sorted);
    for (int id = 17; id <= 31; id++)
        EXPECT_EQ(L"", shown(id)) << "pick " << id;

    command(IDM_EDIT_UNDO);
    EXPECT_EQ(loaded, shownTeams());
    EXPECT_EQ(L"T1", shown(31));
    EXPECT_EQ(0, bracket.dirty);
}

TEST_F(DrawTeamsTest, LockedBaseSlotsAreNotDrawn)
{
    openOn(SIXTEEN_TEAMS_XML);
    command(IDM_EDIT_LOCK_BASE);
    command(IDM_EDIT_DRAW_TEAMS);
    EXPECT_EQ(L"T1", name(1));
    EXPECT_EQ(L"T1", shown(31));
    EXPECT_EQ(0, bracket.dirty);
}

}  // namespace
