#include "bench/floor/bare_layout.h"
#include "bench/floor/bench_bracket.h"
#include "res/resource.h"

/* One slot: created, its item height and initial item for a pick, its
 * length limit for an edit, the font, and a user-data word. */
static HWND bareSlot(HWND window, HINSTANCE instance, HFONT font, int x, int y, int isPick, int editable,
                     const WCHAR *name, LONG_PTR data)
{
    HWND control;
    if (isPick) {
        control = CreateWindowExW(0, L"ComboBox", NULL, 0x50010203, x + 10, y + 10, 78, 100, window,
                                  (HMENU)(INT_PTR)IDC_PICK_COMBO, instance, NULL);
        SendMessageW(control, CB_SETITEMHEIGHT, (WPARAM)-1, 12);
        SendMessageW(control, CB_ADDSTRING, 0, (LPARAM)name);
        SendMessageW(control, CB_SETCURSEL, 0, 0);
    } else {
        control = CreateWindowExW(0x204, L"Edit", name, editable ? 0x50010080 : 0x50010880, x + 10, y + 10, 78,
                                  16, window, (HMENU)(INT_PTR)IDC_TEAM_EDIT, instance, NULL);
        SendMessageW(control, EM_LIMITTEXT, 127, 0);
    }
    SendMessageW(control, WM_SETFONT, (WPARAM)font, TRUE);
    SetWindowLongPtrW(control, GWLP_USERDATA, data);
    return control;
}

void bareLayout(HWND window, int teams, int editable, HWND *controls)
{
    HINSTANCE instance = GetModuleHandleW(NULL);
    HFONT font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    int depth = 0;
    while ((1 << depth) < teams)
        depth++;
    WCHAR name[32];
    int id = 1, col = 0, top = 0, step = 20;
    for (int m = teams / 2; m > 0; m /= 2) {
        for (int side = 0; side < 2; side++) {
            for (int i = 0; i < m; i++, id++) {
                benchSlotName(teams, id, name);
                controls[id - 1] = bareSlot(window, instance, font, side ? 156 * depth - col : col,
                                            top + i * step, col != 0, editable, name, id);
            }
        }
        if (m > 1) {
            top += step / 2;
            step *= 2;
        }
        col += 78;
    }
    benchSlotName(teams, id, name);
    controls[id - 1] = bareSlot(window, instance, font, col, top - 20, 1, editable, name, id);

    RECT outer, client, work;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    int width = (outer.right - outer.left) - (client.right - client.left) + 156 * depth + 98;
    int height = (outer.bottom - outer.top) - (client.bottom - client.top) + 10 * teams + 20;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(window, NULL, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    WCHAR format[128], caption[512];
    LoadStringW(GetModuleHandleW(NULL), IDS_TITLE_FORMAT, format, 128);
    wsprintfW(caption, format, L"Benchmark");
    SendMessageW(window, WM_SETTEXT, 0, (LPARAM)caption);
}

void bareLosersLayout(HWND window, int teams, HWND *controls)
{
    HINSTANCE instance = GetModuleHandleW(NULL);
    HFONT font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    WCHAR name[32];
    for (int k = 1; k <= teams; k++) {
        benchSlotName(teams, k, name);
        controls[k - 1] = bareSlot(window, instance, font, 78 * (k % 14), 10 * teams + 60 * (k / 14), 1, 0, name,
                                   2 * teams - 1 + k);
    }
    RECT outer;
    GetWindowRect(window, &outer);
    SetWindowPos(window, NULL, 0, 0, outer.right - outer.left, outer.bottom - outer.top + 15 * teams,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void bareLosersTeardown(HWND *controls, int teams)
{
    for (int i = 0; i < teams; i++)
        DestroyWindow(controls[i]);
}

void bareTeardown(HWND *controls, int teams)
{
    for (int i = 0; i < 2 * teams - 1; i++)
        DestroyWindow(controls[i]);
}
