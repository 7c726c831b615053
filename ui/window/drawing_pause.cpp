#include "ui/window/drawing_pause.h"

enum { REDRAW_INTERVAL_MS = 400 };  /* a long blink */

/* One main window on one thread: the hold in force, when its window was
 * last drawn, the cursor the user had before the wait began, and what is
 * due at the next drawing: the whole window at the start of a hold (it may
 * change size under it), then what was made since it was last drawn. */
static HWND heldWindow;
static DWORD lastDrawn;
static HCURSOR cursorBefore;
static int wholeWindowDue;
static HRGN madeSinceDrawn;

static void forgetMade(void)
{
    if (madeSinceDrawn)
        DeleteObject(madeSinceDrawn);
    madeSinceDrawn = NULL;
}

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
    wholeWindowDue = 1;
    forgetMade();
    cursorBefore = SetCursor(LoadCursorW(NULL, IDC_WAIT));
    return 1;
}

/* Adds made's place to what is due. A region that cannot be had leaves the
 * whole window due, which costs time but shows everything. */
static int noteMade(HWND made, int wholeDue)
{
    RECT place;
    if (wholeDue || !GetWindowRect(made, &place))
        return wholeDue;
    MapWindowPoints(NULL, heldWindow, (POINT *)&place, 2);
    HRGN piece = CreateRectRgnIndirect(&place);
    if (!piece)
        return 1;
    if (!madeSinceDrawn)
        madeSinceDrawn = piece;
    else {
        CombineRgn(madeSinceDrawn, madeSinceDrawn, piece, RGN_OR);
        DeleteObject(piece);
    }
    return 0;
}

void keepHeldWindowDrawn(HWND made)
{
    if (!heldWindow)
        return;
    if (made)
        wholeWindowDue = noteMade(made, wholeWindowDue);
    if (GetTickCount() - lastDrawn < REDRAW_INTERVAL_MS)
        return;
    SendMessageW(heldWindow, WM_SETREDRAW, TRUE, 0);
    /* Only what was made since is drawn again: drawing every control
     * already shown at each blink would cost more than making them. */
    if (wholeWindowDue)
        RedrawWindow(heldWindow, NULL, NULL, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    else if (madeSinceDrawn)
        RedrawWindow(heldWindow, NULL, madeSinceDrawn, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageW(heldWindow, WM_SETREDRAW, FALSE, 0);
    forgetMade();
    wholeWindowDue = 0;
    /* Whatever the pointer moved onto since, the wait goes on under it. */
    SetCursor(LoadCursorW(NULL, IDC_WAIT));
    lastDrawn = GetTickCount();
}

void resumeDrawing(HWND window, int paused)
{
    if (!paused)
        return;
    heldWindow = NULL;
    forgetMade();
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, NULL, NULL, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    SetCursor(cursorBefore ? cursorBefore : LoadCursorW(NULL, IDC_ARROW));
}
