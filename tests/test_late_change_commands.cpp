// The late changes as a user meets them: a changed result that would clear
// later ones asks first (Cancel keeps everything), and a session on
// duelmark.exe renames an entrant who has won twice, swaps two others,
// saves and reopens with every result it kept.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "support/bracket_invariants.h"
#include "support/dialog_script.h"
#include "support/editor_process.h"
#include "support/editor_window.h"
#include "support/temp_folder.h"

namespace {

// Eight entrants A to H; A beat B 11:7 and C 11:9 and won the final 11:3
// over E, who beat F 11:2 and G 11:6; C beat D 11:5, G beat H 11:4.
const char PLAYED_XML[] =
    "<Games><Title>Open</Title><Teams>8</Teams>"
    "<Team Name=\"A\" id=\"1\"/><Team Name=\"B\" id=\"2\"/><Team Name=\"C\" id=\"3\"/><Team Name=\"D\" id=\"4\"/>"
    "<Team Name=\"E\" id=\"5\"/><Team Name=\"F\" id=\"6\"/><Team Name=\"G\" id=\"7\"/><Team Name=\"H\" id=\"8\"/>"
    "<Team Name=\"A\" id=\"9\" Score=\"11:7\"/><Team Name=\"C\" id=\"10\" Score=\"11:5\"/>"
    "<Team Name=\"E\" id=\"11\" Score=\"11:2\"/><Team Name=\"G\" id=\"12\" Score=\"11:4\"/>"
    "<Team Name=\"A\" id=\"13\" Score=\"11:9\"/><Team Name=\"E\" id=\"14\" Score=\"11:6\"/>"
    "<Team Name=\"A\" id=\"15\" Score=\"11:3\"/></Games>";

struct ChangedResultTest : EditorWindowTest {
    // Picks item index of pick id, answering the question that follows
    // with answer; returns the question's text.
    std::wstring pickAnswering(int id, int index, int answer)
    {
        std::wstring asked;
        DialogScript script(window, [&](DialogScript &s) {
            HWND question = s.next("the question naming the results that go");
            if (!question)
                return;
            asked = DialogScript::messageText(question);
            s.press(question, answer);
        });
        EXPECT_TRUE(pickItem(id, index));
        EXPECT_EQ("", script.finish());
        return asked;
    }
};

// A won the first quarter-final, then the semi-final and the final: giving
// the quarter-final to B names both later results, and No keeps them all.
TEST_F(ChangedResultTest, ChangingAResultWhoseWinnerWentOnAsksFirstAndNoKeepsEverything)
{
    openOn(PLAYED_XML);
    BracketSnapshot before = takeSnapshot(&bracket, window);
    int steps = bracket.history.count;

    std::wstring asked = pickAnswering(9, 1, IDNO);
    EXPECT_NE(std::wstring::npos, asked.find(L"11:9")) << "the semi-final A won is named";
    EXPECT_NE(std::wstring::npos, asked.find(L"11:3")) << "the final A won is named";
    EXPECT_EQ(std::wstring::npos, asked.find(L"11:6")) << "E's semi-final stays and is not named";
    EXPECT_TRUE(sameSnapshot(before, takeSnapshot(&bracket, window)));
    EXPECT_EQ(steps, bracket.history.count) << "a cancelled change leaves nothing to undo or redo";

    pickAnswering(9, 1, IDYES);
    EXPECT_EQ(L"B", name(9));
    EXPECT_EQ(L"", name(13));
    EXPECT_EQ(L"", name(15));
    EXPECT_EQ(L"E", name(14));
    EXPECT_STREQ(L"11:6", slot(14)->result);
    EXPECT_STREQ(L"11:5", slot(10)->result);
    command(IDM_EDIT_UNDO);
    EXPECT_TRUE(sameSnapshot(before, takeSnapshot(&bracket, window)));
}

HWND editShowing(Editor &editor, const WCHAR *name)
{
    for (HWND edit : editor.baseEdits()) {
        if (Editor::text(edit) == name)
            return edit;
    }
    return NULL;
}

// The Team element of slot id in a saved file, or "".
std::string teamElement(const std::string &saved, int id)
{
    size_t at = saved.find("id=\"" + std::to_string(id) + "\"");
    if (at == std::string::npos)
        return "";
    size_t start = saved.rfind('<', at), end = saved.find('>', at);
    return saved.substr(start, end - start + 1);
}

// The whole session on the shipped program, driven only by messages.
TEST(LateChangeSession, RenameAWinnerSwapTwoSaveAndReopen)
{
    TempFolder folder;
    std::wstring file = folder.file(L"open.xml");
    writeFileBytes(file, PLAYED_XML);
    {
        Editor editor;
        ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Open"));
        HWND first = editShowing(editor, L"A");
        ASSERT_NE(nullptr, first);
        EXPECT_TRUE(editor.focus(first));
        EXPECT_EQ("", editor.command(IDM_EDIT_RENAME_ENTRANT, [](DialogScript &s) {
            HWND dialog = s.next("the Rename entrant dialog");
            if (!dialog)
                return;
            s.type(GetDlgItem(dialog, IDC_CHANGE_OTHER), L"Ann");
            s.press(dialog, IDOK);
        }));
        EXPECT_NE(nullptr, editShowing(editor, L"Ann"));
        // D lost to C 11:5 and H to G 11:4: swapping them clears those two.
        std::wstring asked;
        EXPECT_EQ("", editor.command(IDM_EDIT_SWAP_ENTRANTS, [&](DialogScript &s) {
            HWND dialog = s.next("the Swap entrants dialog");
            if (!dialog)
                return;
            SendDlgItemMessageW(dialog, IDC_CHANGE_ENTRANT, CB_SETCURSEL, 3, 0);
            SendDlgItemMessageW(dialog, IDC_CHANGE_OTHER, CB_SETCURSEL, 7, 0);
            s.press(dialog, IDOK);
            HWND question = s.next("the question naming the results the swap clears");
            if (!question)
                return;
            asked = DialogScript::messageText(question);
            s.press(question, IDYES);
        }));
        EXPECT_NE(std::wstring::npos, asked.find(L"11:5"));
        EXPECT_NE(std::wstring::npos, asked.find(L"11:4"));
        EXPECT_EQ("", editor.command(IDM_FILE_SAVE));
        EXPECT_EQ("", editor.command(IDCANCEL)) << "saved work ends without a question";
        EXPECT_TRUE(editor.endedCleanly());
    }
    std::string saved = readFileBytes(file);
    struct {
        int id;
        const char *name, *score;
    } kept[] = {{1, "Ann", ""}, {9, "Ann", "11:7"}, {13, "Ann", "11:9"}, {15, "Ann", "11:3"},
                {14, "E", "11:6"}, {4, "H", ""}, {8, "D", ""}};
    for (const auto &slot : kept) {
        std::string element = teamElement(saved, slot.id);
        EXPECT_NE(std::string::npos, element.find("Name=\"" + std::string(slot.name) + "\"")) << element;
        if (slot.score[0]) {
            EXPECT_NE(std::string::npos, element.find("Score=\"" + std::string(slot.score) + "\"")) << element;
        }
    }
    EXPECT_EQ(std::string::npos, saved.find("Name=\"A\"")) << "the old name is nowhere";
    {
        Editor editor;
        ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Open"));
        std::vector<HWND> edits = editor.baseEdits();
        ASSERT_EQ(8u, edits.size());
        EXPECT_NE(nullptr, editShowing(editor, L"Ann"));
        EXPECT_NE(nullptr, editShowing(editor, L"H"));
        EXPECT_NE(nullptr, editShowing(editor, L"D"));
        EXPECT_EQ("", editor.command(IDCANCEL));
        EXPECT_TRUE(editor.endedCleanly());
    }
}

}  // namespace
