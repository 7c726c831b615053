// Double elimination on duelmark.exe driven from outside, as a user would:
// the format turned on, every match of both brackets decided through the
// drop-downs, saved, reopened and saved again without a byte changed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/drop_downs.h"
#include "support/editor_process.h"
#include "support/sample_brackets.h"
#include "support/temp_folder.h"

namespace {

// Takes the lower of two entrants; false when the list offers fewer.
bool pickLower(HWND window, HWND combo)
{
    return chooseOfTwo(window, combo, 1);
}

TEST(DoubleEliminationEditor, EveryMatchPickedThroughTheDropDownsSavedAndReopenedIdentical)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(NULL)));
    TempFolder folder;
    std::wstring file = folder.file(L"eight.xml");
    writeFileBytes(file, EIGHT_XML);
    std::vector<std::wstring> picked;
    {
        Editor editor;
        ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Eight"));
        EXPECT_TRUE(dropDownsOf(editor.window, IDC_LOSERS_COMBO).empty());
        EXPECT_EQ("", editor.command(IDM_EDIT_DOUBLE_ELIMINATION));
        std::vector<HWND> losers = dropDownsOf(editor.window, IDC_LOSERS_COMBO);
        ASSERT_EQ(8u, losers.size()) << "six losers' matches, the grand final and its reset";
        // The first losers' round is offered among the rounds to schedule.
        EXPECT_EQ("", editor.command(IDM_EDIT_SCHEDULE, [](DialogScript &s) {
            HWND d = s.next("the Schedule matches dialog");
            if (!d)
                return;
            HWND rounds = GetDlgItem(d, IDC_SCHEDULE_ROUND);
            LRESULT first = SendMessageW(rounds, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)L"Losers' round 1");
            if (first == CB_ERR)
                s.fail("no losers' round offered");
            SendMessageW(rounds, CB_SETCURSEL, first, 0);
            s.type(GetDlgItem(d, IDC_SCHEDULE_COURTS), L"Court 1, Court 2");
            s.press(d, IDOK);
        }));
        std::vector<HWND> all = dropDownsOf(editor.window, IDC_PICK_COMBO);
        all.insert(all.end(), losers.begin(), losers.end());
        // A match is decided once both its entrants are known; each pass
        // decides what the one before made ready. The lower entrant of the
        // grand final is the losers' champion, so the reset is played.
        for (int pass = 0, decided = 1; decided && pass < 20; pass++) {
            decided = 0;
            for (HWND combo : all)
                decided += Editor::text(combo).empty() && pickLower(editor.window, combo);
        }
        for (HWND combo : all) {
            picked.push_back(Editor::text(combo));
            EXPECT_NE(L"", picked.back()) << "a match left undecided";
        }
        EXPECT_EQ(picked[12], picked[13]) << "the losers' champion won the grand final, so the reset was played";
        EXPECT_EQ("", editor.command(IDM_FILE_SAVE));
        EXPECT_EQ("", editor.command(IDCANCEL));
        EXPECT_TRUE(editor.endedCleanly());
    }
    std::string saved = readFileBytes(file);
    EXPECT_NE(std::string::npos, saved.find("<Losers Reset=\"1\">")) << saved;
    EXPECT_NE(std::string::npos, saved.find("<GrandFinalReset Name=\"" + utf8(picked.back()) + "\"/>")) << saved;
    size_t losersPart = saved.find("<Losers");
    EXPECT_NE(std::string::npos, saved.find("id=\"1\" Court=\"Court 1\" Time=", losersPart)) << saved;
    EXPECT_NE(std::string::npos, saved.find("id=\"2\" Court=\"Court 2\" Time=", losersPart)) << saved;
    {
        Editor editor;
        ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Eight"));
        std::vector<HWND> all = dropDownsOf(editor.window, IDC_PICK_COMBO);
        std::vector<HWND> losers = dropDownsOf(editor.window, IDC_LOSERS_COMBO);
        all.insert(all.end(), losers.begin(), losers.end());
        ASSERT_EQ(picked.size(), all.size());
        for (size_t i = 0; i < all.size(); i++)
            EXPECT_EQ(picked[i], Editor::text(all[i])) << "drop-down " << i << " after reopening";
        EXPECT_EQ("", editor.command(IDM_FILE_SAVE));
        EXPECT_EQ("", editor.command(IDCANCEL));
        EXPECT_TRUE(editor.endedCleanly());
    }
    EXPECT_EQ(saved, readFileBytes(file)) << "reopened and saved: identical";
    CoUninitialize();
}

} // namespace
