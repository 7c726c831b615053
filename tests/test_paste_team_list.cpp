// Pasting a team list into the real main window's base slots: a list fills
// the slot and the ones after it with their cascades as one undo step, a
// single line pastes as the edit's own paste, locked slots take nothing.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "support/dialog_script.h"
#include "support/editor_window.h"

namespace {

struct PasteTeamListTest : EditorWindowTest {
    void paste(int id) { SendMessageW(control(id), WM_PASTE, 0, 0); }
};

TEST_F(PasteTeamListTest, AListFillsTheFollowingSlotsAsOneStep)
{
    openOn(SIXTEEN_TEAMS_XML);
    setClipboardText(L"Lions\r\n\r\nTigers\r\nBears\r\n");
    paste(5);
    EXPECT_EQ(L"T4", shown(4)) << "slots before the one pasted into stay";
    EXPECT_EQ(L"Lions", shown(5));
    EXPECT_EQ(L"Tigers", shown(6));
    EXPECT_EQ(L"Bears", shown(7));
    EXPECT_EQ(L"T8", shown(8)) << "no more names than lines";
    EXPECT_EQ(L"Lions", name(5));
    EXPECT_EQ(L"", name(19)) << "T5 was picked above slot 5: the cascade ran";
    EXPECT_EQ(L"", shown(26));
    EXPECT_EQ(L"T1", name(31)) << "the cascade stops where the pick differs";
    EXPECT_EQ(1, bracket.dirty);

    command(IDM_EDIT_UNDO);
    EXPECT_EQ(L"T5", shown(5));
    EXPECT_EQ(L"T7", shown(7));
    EXPECT_EQ(L"T5", shown(19));
    EXPECT_EQ(L"T5", shown(26));
    EXPECT_EQ(0, bracket.dirty) << "one step took the whole paste back";
}

// A name the paste leaves in two slots is named afterwards; the paste stands.
TEST_F(PasteTeamListTest, ARepeatedNameIsNamedAfterThePaste)
{
    openOn(SIXTEEN_TEAMS_XML);
    setClipboardText(L"Lions\r\nTigers\r\nT1\r\n");
    std::wstring told;
    DialogScript script(window, [&](DialogScript &s) {
        HWND box = s.next("the word on the repeated name");
        told = DialogScript::messageText(box);
        s.press(box, IDOK);
    });
    paste(5);
    EXPECT_EQ("", script.finish());
    EXPECT_NE(std::wstring::npos, told.find(L"T1"));
    EXPECT_EQ(L"T1", shown(7)) << "the paste stands";
}

// The list runs to the last base slot, left to right across both halves;
// the Edit menu's item starts at the first slot.
TEST_F(PasteTeamListTest, ExtraNamesAreIgnoredAndTheMenuStartsAtTheFirstSlot)
{
    openOn(SIXTEEN_TEAMS_XML);
    setClipboardText(L"A\nB\nC\nD\n");
    paste(14);
    EXPECT_EQ(L"A", shown(14));
    EXPECT_EQ(L"C", shown(16));
    EXPECT_EQ(L"T13", shown(13));

    setClipboardText(L"Owls\r\nLarks");
    command(IDM_EDIT_PASTE_LIST);
    EXPECT_EQ(L"Owls", shown(1));
    EXPECT_EQ(L"Larks", shown(2));
    EXPECT_EQ(L"T3", shown(3));
}

TEST_F(PasteTeamListTest, ASingleLineIsTheEditsOwnPasteAndLockedSlotsTakeNothing)
{
    openOn(SIXTEEN_TEAMS_XML);
    setClipboardText(L"Cats\r\n");
    SendMessageW(control(2), EM_SETSEL, 2, 2);
    paste(2);
    EXPECT_EQ(L"T2Cats", shown(2)) << "inserted at the caret, the line end dropped";
    EXPECT_EQ(L"T2Cats", name(2));
    EXPECT_EQ(L"T3", shown(3));

    command(IDM_EDIT_LOCK_BASE);
    setClipboardText(L"Lions\r\nTigers\r\n");
    paste(3);
    command(IDM_EDIT_PASTE_LIST);
    EXPECT_EQ(L"T3", shown(3));
    EXPECT_EQ(L"T1", shown(1));
    EXPECT_EQ(L"T1", name(1));
}

// Holds Shift down for this thread's keyboard state while it lives.
struct ShiftHeld {
    BYTE saved[256];
    ShiftHeld()
    {
        GetKeyboardState(saved);
        BYTE held[256];
        GetKeyboardState(held);
        held[VK_SHIFT] = held[VK_LSHIFT] = 0x80;
        SetKeyboardState(held);
    }
    ~ShiftHeld() { SetKeyboardState(saved); }
};

// Every way a user pastes into a slot takes a list whole, from that slot on.
TEST_F(PasteTeamListTest, EveryPasteKeyTakesTheWholeList)
{
    openOn(SIXTEEN_TEAMS_XML);
    struct Way {
        const char *name;
        void (*paste)(HWND edit);
    } ways[] = {
        {"Ctrl+V", [](HWND edit) { SendMessageW(edit, WM_CHAR, 0x16, 1); }},
        {"Shift+Insert",
         [](HWND edit) {
             ShiftHeld shift;
             SendMessageW(edit, WM_KEYDOWN, VK_INSERT, 0x01520001);
         }},
        {"the context menu's Paste", [](HWND edit) { SendMessageW(edit, WM_PASTE, 0, 0); }},
    };
    int first = 1;
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        // Each list its own names: a name twice in the bracket brings a warning.
        std::wstring n = std::to_wstring(first);
        setClipboardText(L"Lions" + n + L"\r\nTigers" + n + L"\r\nBears" + n);
        SendMessageW(control(first), EM_SETSEL, 0, 0);
        way.paste(control(first));
        EXPECT_EQ(L"Lions" + n, shown(first));
        EXPECT_EQ(L"Tigers" + n, shown(first + 1));
        EXPECT_EQ(L"Bears" + n, shown(first + 2));
        EXPECT_EQ(L"Bears" + n, name(first + 2));
        first += 4;
    }
}

}  // namespace
