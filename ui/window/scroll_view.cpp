#include "ui/window/scroll_view.h"
#include "ui/window/display_scale.h"
#include "ui/window/slot_geometry.h"
#include "ui/window/window_placement.h"

/* One line is one row of base slots at the window's scale. */
static int lineStep(HWND window)
{
    return scalePixels(BASE_ROW_PITCH, windowDpi(window));
}

/* A page keeps a row (down) or a column (across) of the last one in view, so
 * a slot cut by the page's edge is shown whole on the next page. */
static int pageStep(HWND window, int bar, UINT page)
{
    int line = lineStep(window);
    int step = (int)page - (bar == SB_VERT ? line : columnWidthAt(windowDpi(window)));
    return step > line ? step : line;
}

/* Moves every child of the window by dx, dy and repaints the window once.
 * The children are moved here rather than by ScrollWindowEx: that does
 * nothing while the window's drawing is suspended (as the reader does around
 * a layout), and moving hundreds of slots one repaint at a time is slow. */
static void moveChildren(HWND window, int dx, int dy)
{
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        count++;
    HDWP batch = BeginDeferWindowPos(count);
    for (HWND child = GetWindow(window, GW_CHILD); child && batch; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(NULL, window, (POINT *)&rect, 1);
        batch = DeferWindowPos(batch, child, NULL, rect.left + dx, rect.top + dy, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    }
    if (batch)
        EndDeferWindowPos(batch);
    RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

/* Whether the window shows the scroll bar for bar (SB_HORZ or SB_VERT). */
static int hasScrollBar(HWND window, int bar)
{
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    return (style & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
}

/* The view's offset from the origin in that direction; 0 without a bar. */
static int scrollPosition(HWND window, int bar)
{
    SCROLLINFO info;
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    if (!hasScrollBar(window, bar) || !GetScrollInfo(window, bar, &info))
        return 0;
    return info.nPos;
}

/* Moves the view to target (clamped to the range) and every child with it.
 * Returns 1 when the view moved. */
static int scrollTo(HWND window, int bar, int target)
{
    SCROLLINFO info;
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (!hasScrollBar(window, bar) || !GetScrollInfo(window, bar, &info))
        return 0;
    int limit = info.nMax - (int)info.nPage + 1;
    if (target > limit)
        target = limit;
    if (target < 0)
        target = 0;
    int delta = info.nPos - target;
    if (!delta)
        return 0;
    info.fMask = SIF_POS;
    info.nPos = target;
    SetScrollInfo(window, bar, &info, TRUE);
    moveChildren(window, bar == SB_HORZ ? delta : 0, bar == SB_VERT ? delta : 0);
    return 1;
}

/* The children are moved back by the current offset rather than left where
 * they are: the parked button outlives every bracket and keeps its place. */
void resetScrollView(HWND window)
{
    int dx = scrollPosition(window, SB_HORZ);
    int dy = scrollPosition(window, SB_VERT);
    if (dx || dy)
        moveChildren(window, dx, dy);
    SCROLLINFO info;
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    info.nMin = info.nMax = info.nPos = info.nTrackPos = 0;
    info.nPage = 0;
    SetScrollInfo(window, SB_HORZ, &info, FALSE);
    SetScrollInfo(window, SB_VERT, &info, FALSE);
    ShowScrollBar(window, SB_BOTH, FALSE);
}

static void setScrollRange(HWND window, int bar, int content, int page)
{
    SCROLLINFO info;
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = content - 1;
    info.nPage = page;
    info.nPos = 0;
    SetScrollInfo(window, bar, &info, TRUE);
}

void placeScrollView(HWND window, int contentWidth, int contentHeight)
{
    placeScrollViewNear(window, contentWidth, contentHeight, NULL);
}

/* The window is placed first (window_placement); the scroll bars cover
 * whatever of the content it could not show. */
void placeScrollViewNear(HWND window, int contentWidth, int contentHeight, const RECT *moved)
{
    int across = 0, down = 0;
    placeMainWindow(window, contentWidth, contentHeight, moved, &across, &down);
    if (!across && !down)
        return;
    ShowScrollBar(window, SB_HORZ, across);
    ShowScrollBar(window, SB_VERT, down);
    RECT client;
    GetClientRect(window, &client);
    if (across)
        setScrollRange(window, SB_HORZ, contentWidth, client.right);
    if (down)
        setScrollRange(window, SB_VERT, contentHeight, client.bottom);
}

void scrollByBar(HWND window, int bar, WPARAM wParam)
{
    SCROLLINFO info;
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!hasScrollBar(window, bar) || !GetScrollInfo(window, bar, &info))
        return;
    int target;
    switch (LOWORD(wParam)) {
    case SB_LINEUP: target = info.nPos - lineStep(window); break;
    case SB_LINEDOWN: target = info.nPos + lineStep(window); break;
    case SB_PAGEUP: target = info.nPos - pageStep(window, bar, info.nPage); break;
    case SB_PAGEDOWN: target = info.nPos + pageStep(window, bar, info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: target = info.nTrackPos; break;
    case SB_TOP: target = info.nMin; break;
    case SB_BOTTOM: target = info.nMax; break;
    default: return;
    }
    scrollTo(window, bar, target);
}

/* As many base-slot rows per notch as the user's wheel setting asks for; a
 * setting of whole pages scrolls a page. */
void scrollByWheel(HWND window, WPARAM wParam)
{
    int bar = (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT) ? SB_HORZ : SB_VERT;
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    SCROLLINFO info;
    info.cbSize = sizeof info;
    info.fMask = SIF_PAGE | SIF_POS;
    if (!hasScrollBar(window, bar) || !GetScrollInfo(window, bar, &info))
        return;
    int step = lines == WHEEL_PAGESCROLL ? (int)info.nPage : (int)lines * lineStep(window);
    scrollTo(window, bar, info.nPos - GET_WHEEL_DELTA_WPARAM(wParam) * step / WHEEL_DELTA);
}

/* low..high is the control's extent in client coordinates, extent the
 * client area's size in that direction. A slot not shown whole is brought to
 * the middle of the view: Tab then walks on through the slots around it
 * without a scroll at every step. */
static void bringIntoView(HWND window, int bar, int low, int high, int extent)
{
    if (low >= 0 && high <= extent)
        return;
    scrollTo(window, bar, scrollPosition(window, bar) + (low + high) / 2 - extent / 2);
}

/* A closed drop-down's window is its selection field only: what the user
 * needs to see of it. */
void scrollIntoView(HWND window, HWND control)
{
    RECT slot, client;
    if (!control || !GetWindowRect(control, &slot))
        return;
    MapWindowPoints(NULL, window, (POINT *)&slot, 2);
    GetClientRect(window, &client);
    bringIntoView(window, SB_HORZ, slot.left, slot.right, client.right);
    bringIntoView(window, SB_VERT, slot.top, slot.bottom, client.bottom);
}

void scrollViewOffset(HWND window, POINT *offset)
{
    offset->x = scrollPosition(window, SB_HORZ);
    offset->y = scrollPosition(window, SB_VERT);
}

void scrollViewTo(HWND window, POINT offset)
{
    scrollTo(window, SB_HORZ, offset.x);
    scrollTo(window, SB_VERT, offset.y);
}
