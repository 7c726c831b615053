#include "ui/editing/paste_team_list.h"
#include <commctrl.h>

#include "model/heap.h"
#include "model/slot_control.h"
#include "model/team_list.h"
#include "model/undo_history.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/editing/edit_history.h"

enum { PASTE_SUBCLASS_ID = 1, MESSAGE_CAPACITY = 512 };

/* A copy of the clipboard's text, so that the clipboard is not held open
 * while the slots and their cascades change. NULL when there is none. The
 * caller frees it. */
static WCHAR *copyClipboardText(HWND owner)
{
    if (!OpenClipboard(owner))
        return NULL;
    WCHAR *copy = NULL;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const WCHAR *text = data ? (const WCHAR *)GlobalLock(data) : NULL;
    if (text) {
        /* The block's size bounds the text, terminated or not. */
        SIZE_T units = GlobalSize(data) / sizeof(WCHAR);
        SIZE_T length = 0;
        while (length < units && text[length])
            length++;
        copy = (WCHAR *)allocBlock((length + 1) * sizeof(WCHAR));
        if (copy) {
            for (SIZE_T i = 0; i < length; i++)
                copy[i] = text[i];
            copy[length] = 0;
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return copy;
}

static int isLocked(HWND edit)
{
    return (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0;
}

/* The paste stands as it is; a name that now stands twice is only named,
 * for the user to decide which slot to change. */
static void tellRepeatedName(Bracket *bracket, HWND owner)
{
    const WCHAR *name = repeatedBaseName(bracket);
    if (!name)
        return;
    WCHAR caption[128], message[MESSAGE_CAPACITY];
    const WCHAR *inserts[] = {name};
    if (!loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    if (!loadMessageText(bracket->resourceModule, IDS_PASTE_REPEATED_NAME, inserts, 1, message, MESSAGE_CAPACITY))
        lstrcpyW(message, name);
    MessageBoxW(owner, message, caption, MB_OK | MB_ICONWARNING);
}

int pasteListIntoSlot(HWND edit, Bracket *bracket, int evenSingleLine)
{
    BracketNode *node = bracket->slotCount ? slotOfControl(edit) : NULL;
    if (!node || node->left || bracket->depth == 0 || isLocked(edit))
        return 0;
    WCHAR *text = copyClipboardText(edit);
    if (!text)
        return 0;
    int lines = countListLines(text);
    int taken = lines > 1 || (evenSingleLine && lines == 1);
    if (taken) {
        beginUndoStep(bracket, 0);
        fillBaseSlotsFromList(bracket, node, text);
        showBaseSlotNames(bracket);
        endUndoStep(bracket);
    }
    freeBlock(text);
    if (taken)
        tellRepeatedName(bracket, GetParent(edit));
    return taken;
}

void pasteTeamList(HWND, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    BracketNode *first = leftmostAtLevel(bracket, bracket->depth);
    if (first->control)
        pasteListIntoSlot(first->control, bracket, 1);
}

/* Shift+Insert alone, the edit's other paste key. */
static int isPasteKey(UINT message, WPARAM key)
{
    return message == WM_KEYDOWN && key == VK_INSERT && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0 &&
           GetKeyState(VK_MENU) >= 0;
}

/* Ctrl+V and the context menu's Paste reach the edit as WM_PASTE; some
 * edits paste Shift+Insert themselves without one, so that key is taken
 * here too. Whatever is not a list goes on to the edit's own paste. */
static LRESULT CALLBACK baseSlotProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR bracket)
{
    if ((message == WM_PASTE || isPasteKey(message, wParam)) && pasteListIntoSlot(edit, (Bracket *)bracket, 0))
        return 0;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(edit, baseSlotProc, id);
    return DefSubclassProc(edit, message, wParam, lParam);
}

void watchBaseSlotPastes(Bracket *bracket)
{
    if (bracket->depth == 0)
        return;
    for (BracketNode *node = leftmostAtLevel(bracket, bracket->depth); node; node = nextInLevel(node)) {
        if (node->control)
            SetWindowSubclass(node->control, baseSlotProc, PASTE_SUBCLASS_ID, (DWORD_PTR)bracket);
    }
}
