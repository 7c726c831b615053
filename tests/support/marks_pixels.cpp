#include "support/marks_pixels.h"

#include "ui/window/window_marks.h"

std::vector<DWORD> drawnWindowMarks(HWND window, Bracket *bracket, RECT *client)
{
    GetClientRect(window, client);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client->right;
    info.bmiHeader.biHeight = -client->bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, client->right, client->bottom, WHITENESS);
    drawWindowMarks(window, bracket, dc, client);
    GdiFlush();
    std::vector<DWORD> pixels((DWORD *)bits, (DWORD *)bits + client->right * client->bottom);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}
