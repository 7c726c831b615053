#include "ui/keyboard_shortcuts.h"
#include "res/resource.h"
#include "ui/command_table.h"
#include "ui/common/document_state.h"
#include "ui/window/pick_controls.h"

enum { SHORTCUT_CAPACITY = 32 };

/* One main window runs at a time, on one thread: its hook and its keys. */
static HHOOK hook;
static HWND hookedWindow;
static ACCEL shortcuts[SHORTCUT_CAPACITY];
static int shortcutCount;

static int loadShortcuts(HMODULE module)
{
    HACCEL table = module ? LoadAcceleratorsW(module, MAKEINTRESOURCEW(IDR_ACCELERATORS)) : NULL;
    if (!table)
        return 0;
    shortcutCount = CopyAcceleratorTableW(table, shortcuts, SHORTCUT_CAPACITY);
    return shortcutCount > 0;
}

static int isPick(HWND window, HWND control)
{
    return GetParent(control) == window && GetDlgCtrlID(control) == IDC_PICK_COMBO;
}

/* While a pick's list is down, its keys move within the list. */
static int listIsDropped(HWND window, HWND control)
{
    return isPick(window, control) && SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0);
}

/* Whether the menu would offer the command now; a shortcut does nothing
 * where its menu item is grey. */
static int shortcutCanAct(HWND window, int command)
{
    DocumentState *state = (DocumentState *)GetWindowLongPtrW(window, DWLP_USER);
    return !state || !state->bracket || commandCanAct(window, state, command);
}

/* Posts the command as the menu would send it (notification code 0): the
 * main window matches the whole wParam, and the command then runs from
 * the dialog's own loop rather than inside this hook. Exact modifiers, as
 * for any accelerator: Ctrl+S is not Ctrl+Shift+S. A shortcut whose command
 * cannot act is used up all the same, so the key reaches no slot either. */
static int runShortcut(HWND window, const MSG *message)
{
    BYTE modifiers = FVIRTKEY;
    if (GetKeyState(VK_CONTROL) < 0)
        modifiers |= FCONTROL;
    if (GetKeyState(VK_SHIFT) < 0)
        modifiers |= FSHIFT;
    if (GetKeyState(VK_MENU) < 0)
        modifiers |= FALT;
    for (int i = 0; i < shortcutCount; i++) {
        const ACCEL &key = shortcuts[i];
        if ((key.fVirt & (FVIRTKEY | FCONTROL | FSHIFT | FALT)) == modifiers && key.key == message->wParam) {
            if (shortcutCanAct(window, key.cmd))
                PostMessageW(window, WM_COMMAND, MAKEWPARAM(key.cmd, 0), 0);
            return 1;
        }
    }
    return 0;
}

/* A closed pick's list holds only what it last showed; filled now, as a
 * drop-down would fill it, the combobox's own Up and Down then move
 * between the two feeders. */
static void prepareClosedPick(HWND window, HWND pick)
{
    DocumentState *state = (DocumentState *)GetWindowLongPtrW(window, DWLP_USER);
    if (state && state->bracket)
        fillPickChoices(state->bracket, pick);
}

/* Returns 1 when the key was used up here. */
static int takeKey(const MSG *message)
{
    HWND window = hookedWindow;
    if (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN)
        return 0;
    /* Keys of a question box, a file dialog or the setup dialog are theirs. */
    if (!window || !IsWindowEnabled(window) || (message->hwnd != window && !IsChild(window, message->hwnd)))
        return 0;
    if (listIsDropped(window, message->hwnd))
        return 0;
    if (runShortcut(window, message))
        return 1;
    if (message->message == WM_KEYDOWN && (message->wParam == VK_UP || message->wParam == VK_DOWN) &&
        isPick(window, message->hwnd))
        prepareClosedPick(window, message->hwnd);
    return 0;
}

static LRESULT CALLBACK filterDialogMessage(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX && lParam && takeKey((const MSG *)lParam))
        return 1;
    return CallNextHookEx(hook, code, wParam, lParam);
}

int installKeyboardShortcuts(HWND window, HMODULE module)
{
    if (!loadShortcuts(module) && !loadShortcuts(GetModuleHandleW(NULL)))
        shortcutCount = 0;
    hookedWindow = window;
    if (!hook)
        hook = SetWindowsHookExW(WH_MSGFILTER, filterDialogMessage, NULL, GetCurrentThreadId());
    return hook != NULL;
}

void removeKeyboardShortcuts(HWND window)
{
    if (window != hookedWindow)
        return;
    hookedWindow = NULL;
    if (hook)
        UnhookWindowsHookEx(hook);
    hook = NULL;
}
