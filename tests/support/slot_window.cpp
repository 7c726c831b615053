#include "support/slot_window.h"

#include "res/resource.h"
#include "ui/window/pick_controls.h"

namespace {

INT_PTR CALLBACK slotWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return 0;
    }
    SlotWindow *record = (SlotWindow *)GetWindowLongPtrW(window, DWLP_USER);
    if (message != WM_COMMAND || !record)
        return 0;
    // The whole wParam, code and id together, as the main window matches it.
    switch (wParam) {
    case 0x3000015:
        record->textChanges++;
        handleSlotTextChange((HWND)lParam, record->bracket);
        break;
    case 0x10014:
        record->selectionChanges++;
        handleSlotTextChange((HWND)lParam, record->bracket);
        break;
    case 0x70014:
        record->dropDowns++;
        fillPickChoices(record->bracket, (HWND)lParam);
        break;
    }
    return 0;
}

}  // namespace

HWND openSlotWindow(SlotWindow *record, Bracket *bracket)
{
    record->bracket = bracket;
    record->selectionChanges = 0;
    record->textChanges = 0;
    record->dropDowns = 0;
    record->window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL,
                                        slotWindowProc, (LPARAM)record);
    return record->window;
}

void closeSlotWindow(SlotWindow *record)
{
    if (record->window)
        DestroyWindow(record->window);
    record->window = NULL;
}

RECT rectInParent(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(NULL, GetParent(control), (POINT *)&rect, 2);
    return rect;
}

int textWidthInControlFont(HWND control, const WCHAR *text)
{
    HDC dc = GetDC(control);
    HGDIOBJ replaced = SelectObject(dc, (HFONT)SendMessageW(control, WM_GETFONT, 0, 0));
    SIZE extent = {0, 0};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
    SelectObject(dc, replaced);
    ReleaseDC(control, dc);
    return extent.cx;
}

int lineHeightInControlFont(HWND control)
{
    HDC dc = GetDC(control);
    HGDIOBJ replaced = SelectObject(dc, (HFONT)SendMessageW(control, WM_GETFONT, 0, 0));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, replaced);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}
