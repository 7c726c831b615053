// Undo and redo through the real main window: what a user types, picks,
// clears, validates and renames comes back step by step, in the model and
// in every control, and the dirty flag says whether the file still matches.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "res/resource.h"
#include "support/bracket_invariants.h"
#include "support/dialog_script.h"
#include "support/editor_window.h"

namespace {

// Picks of SIXTEEN_TEAMS_XML plus three invalid ones (kept by answering No
// at load) for validation to clear.
const char WITH_INVALID_PICKS_XML[] =
    "<Games><Title>Spring Cup</Title><Teams>16</Teams>"
    "<Team Name=\"T1\" id=\"1\"/><Team Name=\"T2\" id=\"2\"/><Team Name=\"T3\" id=\"3\"/>"
    "<Team Name=\"T4\" id=\"4\"/><Team Name=\"T5\" id=\"5\"/><Team Name=\"T6\" id=\"6\"/>"
    "<Team Name=\"T7\" id=\"7\"/><Team Name=\"T8\" id=\"8\"/><Team Name=\"T9\" id=\"9\"/>"
    "<Team Name=\"T10\" id=\"10\"/><Team Name=\"T11\" id=\"11\"/><Team Name=\"T12\" id=\"12\"/>"
    "<Team Name=\"T13\" id=\"13\"/><Team Name=\"T14\" id=\"14\"/><Team Name=\"T15\" id=\"15\"/>"
    "<Team Name=\"T16\" id=\"16\"/>"
    "<Team Name=\"T1\" id=\"17\"/><Team Name=\"Ghost\" id=\"21\"/><Team Name=\"T1\" id=\"25\"/>"
    "<Team Name=\"Ghost\" id=\"27\"/><Team Name=\"Nobody\" id=\"30\"/><Team Name=\"T1\" id=\"29\"/></Games>";

struct EditHistoryTest : EditorWindowTest {
    // Edit title, answering the save-changes question with No when the
    // bracket is dirty.
    void editTitle(const std::wstring &title)
    {
        bool ask = bracket.dirty != 0;
        DialogScript script(window, [&](DialogScript &s) {
            if (ask) {
                HWND question = s.next("the save-changes question");
                if (question)
                    s.press(question, IDNO);
            }
            HWND setup = s.next("the setup dialog");
            if (!setup)
                return;
            s.type(GetDlgItem(setup, IDC_TITLE_EDIT), title);
            s.press(setup, IDC_SETUP_OK);
        });
        command(IDM_EDIT_TITLE);
        EXPECT_EQ("", script.finish());
    }
    int position() { return bracket.history.position; }
};

// The property: any sequence of edits undoes step by step through every
// state it passed, back to the loaded file (clean), and redoes to the end.
TEST_F(EditHistoryTest, RandomEditsUndoToTheLoadedFileAndRedoToTheEnd)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        openOn(WITH_INVALID_PICKS_XML, IDNO);
        std::mt19937 random(seed);
        std::map<int, BracketSnapshot> passed;
        passed[0] = takeSnapshot(&bracket, window);
        ASSERT_EQ(0, passed[0].dirty);
        int titles = 0;
        for (int op = 0; op < 60; op++) {
            int before = position();
            int kind = random() % 20;
            if (kind < 7) {
                int id = 1 + random() % 16;
                std::wstring text = name(id);
                int keys = 1 + random() % 3;
                for (int k = 0; k < keys; k++) {
                    if (random() % 3 == 0 && !text.empty())
                        text.pop_back();
                    else if (random() % 4 == 0)
                        text = name(1 + random() % 16);  // a pasted name
                    else
                        text += (WCHAR)(L'a' + random() % 3);
                    typeText(id, text.c_str());
                }
                leaveSlot(id);
            } else if (kind < 15) {
                int id = 17 + random() % 15;
                pickItem(id, random() % 2);
            } else if (kind < 16) {
                command(IDM_EDIT_CLEAR_PICKS);
            } else if (kind < 19) {
                command(IDM_EDIT_VALIDATE);
            } else if (titles < 3) {
                titles++;
                editTitle(L"Title " + std::to_wstring(op) + L" of the cup");
            }
            ASSERT_LE(position(), before + 1) << "operation " << op << " made more than one step";
            if (position() != before)
                passed[position()] = takeSnapshot(&bracket, window);
        }
        int steps = position();
        ASSERT_GT(steps, 20) << "the sequence should have changed the bracket often";
        BracketSnapshot final = takeSnapshot(&bracket, window);

        for (int p = steps - 1; p >= 0; p--) {
            command(IDM_EDIT_UNDO);
            ASSERT_EQ(p, position());
            BracketSnapshot expected = passed[p];
            expected.dirty = p != 0;
            ASSERT_TRUE(sameSnapshot(expected, takeSnapshot(&bracket, window))) << "after undoing to step " << p;
        }
        command(IDM_EDIT_UNDO);
        EXPECT_TRUE(sameSnapshot(passed[0], takeSnapshot(&bracket, window))) << "undo with nothing left";
        for (int p = 1; p <= steps; p++) {
            command(IDM_EDIT_REDO);
            ASSERT_EQ(p, position());
            ASSERT_TRUE(sameSnapshot(passed[p], takeSnapshot(&bracket, window))) << "after redoing to step " << p;
        }
        EXPECT_TRUE(sameSnapshot(final, takeSnapshot(&bracket, window)));
        ASSERT_TRUE(bracketIsConsistent(&bracket, true));
    }
}

// The invalid-picks clearing after a load is a step of its own: undoing it
// shows the file as it is, clean.
TEST_F(EditHistoryTest, ClearingInvalidPicksOnLoadCanBeUndone)
{
    openOn(WITH_INVALID_PICKS_XML, IDYES);
    EXPECT_EQ(L"", name(21));
    EXPECT_EQ(1, bracket.dirty);
    command(IDM_EDIT_UNDO);
    EXPECT_EQ(L"Ghost", name(21));
    EXPECT_EQ(L"Ghost", shown(21));
    EXPECT_EQ(L"Nobody", shown(30));
    EXPECT_EQ(0, bracket.dirty) << "exactly what the file holds";
    command(IDM_EDIT_REDO);
    EXPECT_EQ(L"", shown(27));
    EXPECT_EQ(1, bracket.dirty);
}

// Saving moves the clean point; New, Open and Close start afresh.
TEST_F(EditHistoryTest, SavingMovesTheCleanPointAndCloseForgetsTheSteps)
{
    openOn(SIXTEEN_TEAMS_XML);
    typeText(3, L"Owls");
    leaveSlot(3);
    command(IDM_FILE_SAVE);
    EXPECT_EQ(0, bracket.dirty);
    typeText(4, L"Larks");
    command(IDM_EDIT_UNDO);
    EXPECT_EQ(0, bracket.dirty) << "back at the save";
    EXPECT_EQ(L"T4", shown(4));
    command(IDM_EDIT_UNDO);
    EXPECT_EQ(1, bracket.dirty) << "the file on disk has Owls";
    EXPECT_EQ(L"T3", shown(3));

    {
        DialogScript script(window, [](DialogScript &s) {
            HWND question = s.next("the save-changes question");
            if (question)
                s.press(question, IDNO);
        });
        command(IDM_FILE_CLOSE);
        EXPECT_EQ("", script.finish());
    }
    {
        DialogScript script(window, [](DialogScript &) {});
        command(IDM_EDIT_UNDO);
        command(IDM_EDIT_REDO);
        EXPECT_EQ("", script.finish()) << "nothing to undo with no bracket open";
    }
    EXPECT_EQ(0, bracket.slotCount);
    EXPECT_EQ(0, position());
}

}  // namespace
