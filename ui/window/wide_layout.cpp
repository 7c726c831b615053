#include "ui/window/wide_layout.h"

#include "ui/window/scale_change.h"
#include "ui/window/slot_geometry.h"

/* Written only once the user chooses a layout: a portable copy that is
 * never switched leaves nothing of it behind. */
static const WCHAR VIEW_KEY[] = L"Software\\Duelmark\\View";
static const WCHAR WIDE_VALUE[] = L"WideLayout";

static int rememberedWide(void)
{
    DWORD value = 0, size = sizeof value, type = 0;
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, VIEW_KEY, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return 0;
    if (RegQueryValueExW(key, WIDE_VALUE, NULL, &type, (BYTE *)&value, &size) != ERROR_SUCCESS || type != REG_DWORD)
        value = 0;
    RegCloseKey(key);
    return value != 0;
}

static void rememberWide(int on)
{
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, VIEW_KEY, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL) != ERROR_SUCCESS)
        return;
    DWORD value = on ? 1 : 0;
    RegSetValueExW(key, WIDE_VALUE, 0, REG_DWORD, (const BYTE *)&value, sizeof value);
    RegCloseKey(key);
}

/* Wide, the window may be maximised; back to the usual geometry it takes
 * the size its bracket needs again. */
static void setLayout(HWND window, int wide)
{
    setWideLayoutOn(window, wide);
    if (!wide && IsZoomed(window))
        ShowWindow(window, SW_RESTORE);
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    style = wide ? style | WS_MAXIMIZEBOX : style & ~(LONG_PTR)WS_MAXIMIZEBOX;
    SetWindowLongPtrW(window, GWL_STYLE, style);
    SetWindowPos(window, NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void applyRememberedLayout(HWND window)
{
    if (rememberedWide())
        setLayout(window, 1);
}

void toggleWideLayout(HWND window, DocumentState *state)
{
    int wide = !wideLayoutOn(window);
    setLayout(window, wide);
    rememberWide(wide);
    layOutAgain(window, state->bracket);
}
