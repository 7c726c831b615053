#include "ui/window/window_placement.h"

/* The work area of the monitor that holds most of moved. */
static RECT workAreaNear(const RECT *moved)
{
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(moved, MONITOR_DEFAULTTONEAREST), &info))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    return info.rcWork;
}

/* Sizes and places the window for content in work, from its frame as it
 * is now; says which directions scroll. */
static void placeInWork(HWND window, RECT work, int contentWidth, int contentHeight, const RECT *moved, int *scrollsAcross,
                        int *scrollsDown)
{
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    int frameWidth = (outer.right - outer.left) - client.right;
    int frameHeight = (outer.bottom - outer.top) - client.bottom;
    int workWidth = work.right - work.left;
    int workHeight = work.bottom - work.top;
    int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    int across = frameWidth + contentWidth > workWidth;
    int down = frameHeight + contentHeight > workHeight;
    /* Each scroll bar takes room from the other direction, which may then
     * not fit either. */
    for (int pass = 0; pass < 2; pass++) {
        if (down && frameWidth + contentWidth + barWidth > workWidth)
            across = 1;
        if (across && frameHeight + contentHeight + barHeight > workHeight)
            down = 1;
    }
    int width = across ? workWidth : frameWidth + contentWidth + (down ? barWidth : 0);
    int height = down ? workHeight : frameHeight + contentHeight + (across ? barHeight : 0);
    int x = work.left + (workWidth - width) / 2;
    int y = work.top + (workHeight - height) / 2;
    /* A window the system moves keeps its corner where the move put it,
     * as far as the work area allows. */
    if (moved) {
        x = moved->left + width > work.right ? work.right - width : moved->left;
        y = moved->top + height > work.bottom ? work.bottom - height : moved->top;
        x = x < work.left ? work.left : x;
        y = y < work.top ? work.top : y;
    }
    SetWindowPos(window, NULL, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    *scrollsAcross = across;
    *scrollsDown = down;
}

/* Centring as before; in a direction that does not fit, the window spans the
 * work area, so its caption and menu are always on the screen. The menu bar
 * wraps onto a second line in a window narrower than its titles, which takes
 * that line from the client area: the frame is measured again once the
 * window has its width, and the height follows. */
void placeMainWindow(HWND window, int contentWidth, int contentHeight, const RECT *moved, int *scrollsAcross,
                     int *scrollsDown)
{
    RECT work;
    if (moved)
        work = workAreaNear(moved);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT outer, client;
    for (int attempt = 0; attempt < 2; attempt++) {
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        int frameHeight = (outer.bottom - outer.top) - client.bottom;
        placeInWork(window, work, contentWidth, contentHeight, moved, scrollsAcross, scrollsDown);
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        if ((outer.bottom - outer.top) - client.bottom == frameHeight)
            break;
    }
}
