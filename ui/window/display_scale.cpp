/* GetDpiForWindow is newer than the oldest system the program runs on, so it
 * is looked up at run time; its type is checked against the platform's own
 * declaration, which only a newer target version shows. */
#undef _WIN32_WINNT
#undef WINVER
#define _WIN32_WINNT 0x0A00
#define WINVER 0x0A00
#include "ui/window/display_scale.h"

typedef UINT(WINAPI *GetDpiForWindowFunction)(HWND);
static_assert(__is_same(GetDpiForWindowFunction, decltype(&GetDpiForWindow)),
              "GetDpiForWindow's type differs from the one looked up");

static const WCHAR DPI_PROPERTY[] = L"Duelmark.Dpi";
static const WCHAR FONT_PROPERTY[] = L"Duelmark.SlotFont";

/* The scale the stock GUI font was made for: the system's. */
static int systemDpi(void)
{
    HDC screen = GetDC(NULL);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ReleaseDC(NULL, screen);
    return dpi > 0 ? dpi : BASE_DPI;
}

int windowDpi(HWND window)
{
    int told = (int)(INT_PTR)GetPropW(window, DPI_PROPERTY);
    if (told > 0)
        return told;
    HMODULE user = GetModuleHandleW(L"user32.dll");
    GetDpiForWindowFunction dpiForWindow =
        user ? (GetDpiForWindowFunction)(void *)GetProcAddress(user, "GetDpiForWindow") : NULL;
    int dpi = dpiForWindow ? (int)dpiForWindow(window) : 0;
    return dpi > 0 ? dpi : systemDpi();
}

int scalePixels(int value, int dpi)
{
    return dpi == BASE_DPI ? value : MulDiv(value, dpi, BASE_DPI);
}

void rememberWindowDpi(HWND window, int dpi)
{
    if (dpi > 0)
        SetPropW(window, DPI_PROPERTY, (HANDLE)(INT_PTR)dpi);
}

HFONT slotFontForDpi(HWND window, int dpi)
{
    HFONT stock = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    HFONT owned = (HFONT)GetPropW(window, FONT_PROPERTY);
    int made = systemDpi();
    LOGFONTW face;
    HFONT font = NULL;
    if (dpi != made && GetObjectW(stock, sizeof face, &face)) {
        face.lfHeight = MulDiv(face.lfHeight, dpi, made);
        face.lfWidth = MulDiv(face.lfWidth, dpi, made);
        font = CreateFontIndirectW(&face);
    }
    /* The old font goes now: nothing is drawn before the caller hands every
     * slot the new one. */
    if (font)
        SetPropW(window, FONT_PROPERTY, font);
    else
        RemovePropW(window, FONT_PROPERTY);
    if (owned)
        DeleteObject(owned);
    return font ? font : stock;
}

void forgetDisplayScale(HWND window)
{
    HFONT owned = (HFONT)RemovePropW(window, FONT_PROPERTY);
    if (owned)
        DeleteObject(owned);
    RemovePropW(window, DPI_PROPERTY);
}
