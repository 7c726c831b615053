#include "ui/window/drawing_pause.h"

int pauseDrawing(HWND window)
{
    if (!IsWindowVisible(window))
        return 0;
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    return 1;
}

void resumeDrawing(HWND window, int paused)
{
    if (!paused)
        return;
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, NULL, NULL, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}
