// The editor's real main window (IDD_MAIN with mainDialogProc, modeless)
// opened on a bracket file, for the tests of what a user does inside an
// open bracket: type, pick, paste, draw, undo and redo.
#ifndef DUELMARK_TESTS_SUPPORT_EDITOR_WINDOW_H
#define DUELMARK_TESTS_SUPPORT_EDITOR_WINDOW_H

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "model/bracket.h"
#include "support/temp_folder.h"
#include "ui/common/document_state.h"

// A 16-team file: teams T1..T16, picks T1 up to the champion, T5 in round
// two and the quarter-final above it.
extern const char SIXTEEN_TEAMS_XML[];

struct EditorWindowTest : ::testing::Test {
    Bracket bracket;
    DocumentState state = {};
    HWND window = NULL;
    TempFolder folder;

    void SetUp() override;
    void TearDown() override;

    // Opens the window with nothing in it, as the editor starts.
    void openEmpty();
    // Opens the window on xml as its start-up file, answering the
    // invalid-picks question (if any) with answer, then unlocks the base
    // slots as a user who wants to type would.
    void openOn(const char *xml, int answer = IDNO);

    BracketNode *slot(int id) { return bracket.nodeTable[id - 1]; }
    HWND control(int id) { return slot(id)->control; }
    std::wstring name(int id) { return slot(id)->name; }
    std::wstring shown(int id);
    void command(WORD id) { SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    // A keystroke as the edit reports it: its text changes, EN_CHANGE follows.
    void typeText(int id, const WCHAR *text) { SendMessageW(control(id), WM_SETTEXT, 0, (LPARAM)text); }
    // The slot loses the focus.
    void leaveSlot(int id);
    // Drops the pick's list (which fills it) and chooses item index as a
    // click would. Returns false when the list has no such item.
    bool pickItem(int id, int index);
    void setClipboardText(const std::wstring &text);
};

#endif
