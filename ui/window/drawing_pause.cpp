#include "ui/window/drawing_pause.h"

enum { REDRAW_INTERVAL_MS = 400 };  /* a long blink */

/* One main window on one thread: the hold in force, when its window was
 * last drawn, and the cursor the user had before the wait began. */
static HWND heldWindow;
static DWORD lastDrawn;
static HCURSOR cursorBefore;

int pauseDrawing(HWND window)
{
    if (!IsWindowVisible(window))
        return 0;
    /* What a dialog that just closed left uncovered is drawn before the
     * hold: the window never shows the dialog's remains through the wait. */
    UpdateWindow(window);
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    heldWindow = window;
    lastDrawn = GetTickCount();
    cursorBefore = SetCursor(LoadCursorW(NULL, IDC_WAIT));
    return 1;
}

void keepHeldWindowDrawn(void)
{
    if (!heldWindow || GetTickCount() - lastDrawn < REDRAW_INTERVAL_MS)
        return;
    SendMessageW(heldWindow, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(heldWindow, NULL, NULL, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageW(heldWindow, WM_SETREDRAW, FALSE, 0);
    lastDrawn = GetTickCount();
}

void resumeDrawing(HWND window, int paused)
{
    if (!paused)
        return;
    heldWindow = NULL;
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, NULL, NULL, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    SetCursor(cursorBefore ? cursorBefore : LoadCursorW(NULL, IDC_ARROW));
}
