#include "ui/print/print_preview.h"

#include "res/resource.h"
#include "ui/common/dialog_record.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/print/page_layout.h"
#include "ui/print/page_setup.h"
#include "ui/picture/picture_layout.h"
#include "ui/print/print_page.h"
#include "ui/print/print_picture.h"

enum {
    PREVIEW_BORDER = 12,            /* grey around the sheet, in pixels */
    PREVIEW_SCREEN_SHARE = 85       /* per cent of the work area the preview opens at */
};

static const COLORREF DESK = RGB(128, 128, 128);
static const COLORREF SHEET = RGB(255, 255, 255);

struct PreviewRecord {
    DocumentState *document;
    PaperSheet sheet;
    PictureDescription picture;  /* laid out once when the preview opens */
    PrintPages pages;
    int page;
    POINT pageCorner;   /* the page area's offset from the client area's bottom-right corner */
};

/* The session's layout cut again, staying on the same page number where
 * the new layout has it. */
static void cutPages(HWND window, PreviewRecord *preview)
{
    releasePrintPages(&preview->pages);
    const PrintSetup &setup = preview->document->print;
    if (preview->picture.count)
        paginatePicture(&preview->picture, &preview->sheet, setup.layout, setup.posterPoints, &preview->pages);
    if (preview->page >= preview->pages.count)
        preview->page = preview->pages.count ? preview->pages.count - 1 : 0;
    InvalidateRect(GetDlgItem(window, IDC_PREVIEW_PAGE), NULL, FALSE);
}

/* A button greyed while it has the keyboard would keep it where no key
 * reaches (Esc included): the keyboard moves on to the next control that
 * takes it first. */
static void enablePageButton(HWND window, int id, BOOL enable)
{
    HWND button = GetDlgItem(window, id);
    if (!enable && GetFocus() == button)
        SendMessageW(window, WM_NEXTDLGCTL, 0, FALSE);
    EnableWindow(button, enable);
}

static void showPageNumber(HWND window, PreviewRecord *preview)
{
    WCHAR first[16], second[16], text[128];
    wsprintfW(first, L"%d", preview->pages.count ? preview->page + 1 : 0);
    wsprintfW(second, L"%d", preview->pages.count);
    const WCHAR *numbers[] = {first, second};
    if (!loadMessageText(preview->document->bracket->resourceModule, IDS_PRINT_PAGE_NUMBER, numbers, 2, text, 128))
        text[0] = 0;
    SetDlgItemTextW(window, IDC_PREVIEW_PAGE_NUMBER, text);
    /* Previous first: once Next greys on the last page, the keyboard
     * can move to Previous. */
    enablePageButton(window, IDC_PREVIEW_PREVIOUS, preview->page > 0);
    enablePageButton(window, IDC_PREVIEW_NEXT, preview->page + 1 < preview->pages.count);
    InvalidateRect(GetDlgItem(window, IDC_PREVIEW_PAGE), NULL, FALSE);
}

static void turnPage(HWND window, PreviewRecord *preview, int step)
{
    int page = preview->page + step;
    if (page < 0 || page >= preview->pages.count)
        return;
    preview->page = page;
    showPageNumber(window, preview);
}

/* The page area keeps its distance from the right and bottom edges. */
static void placePageArea(HWND window, PreviewRecord *preview)
{
    HWND area = GetDlgItem(window, IDC_PREVIEW_PAGE);
    RECT client, rect;
    GetClientRect(window, &client);
    GetWindowRect(area, &rect);
    MapWindowPoints(NULL, window, (POINT *)&rect, 2);
    int width = client.right - preview->pageCorner.x - rect.left;
    int height = client.bottom - preview->pageCorner.y - rect.top;
    SetWindowPos(area, NULL, 0, 0, width > 0 ? width : 0, height > 0 ? height : 0,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(area, NULL, FALSE);
}

/* Opens at most of the work area of the editor's monitor, centred. */
static void sizePreview(HWND window)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(GetParent(window) ? GetParent(window) : window, MONITOR_DEFAULTTONEAREST),
                         &monitor))
        return;
    RECT work = monitor.rcWork;
    int width = (work.right - work.left) * PREVIEW_SCREEN_SHARE / 100;
    int height = (work.bottom - work.top) * PREVIEW_SCREEN_SHARE / 100;
    RECT now;
    GetWindowRect(window, &now);
    if (width < now.right - now.left)
        width = now.right - now.left;
    if (height < now.bottom - now.top)
        height = now.bottom - now.top;
    SetWindowPos(window, NULL, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

static void initPreview(HWND window, PreviewRecord *preview)
{
    HMODULE module = preview->document->bracket->resourceModule;
    UINT names[] = {IDS_LAYOUT_ONE_PAGE, IDS_LAYOUT_HALVES, IDS_LAYOUT_POSTER};
    for (UINT name : names) {
        WCHAR text[128];
        loadStringWithFallback(module, name, text, 128);
        SendDlgItemMessageW(window, IDC_PREVIEW_LAYOUT, CB_ADDSTRING, 0, (LPARAM)text);
    }
    PrintSetup *setup = &preview->document->print;
    setup->posterPoints = legiblePoints(setup->posterPoints);
    SendDlgItemMessageW(window, IDC_PREVIEW_LAYOUT, CB_SETCURSEL, (WPARAM)setup->layout, 0);
    SendDlgItemMessageW(window, IDC_POSTER_POINTS, EM_LIMITTEXT, 2, 0);
    SetDlgItemInt(window, IDC_POSTER_POINTS, (UINT)setup->posterPoints, FALSE);
    RECT client, area;
    GetClientRect(window, &client);
    GetWindowRect(GetDlgItem(window, IDC_PREVIEW_PAGE), &area);
    MapWindowPoints(NULL, window, (POINT *)&area, 2);
    preview->pageCorner.x = client.right - area.right;
    preview->pageCorner.y = client.bottom - area.bottom;
    sizePreview(window);
    if (!describeBracketPicture(preview->document->bracket, &preview->picture))
        freePictureDescription(&preview->picture);
    cutPages(window, preview);
    showPageNumber(window, preview);
}

/* A name size is taken once it is legible; what is typed on the way to it
 * ("1" before "12") changes nothing. */
static void takePosterPoints(HWND window, PreviewRecord *preview)
{
    BOOL read = FALSE;
    int points = (int)GetDlgItemInt(window, IDC_POSTER_POINTS, &read, FALSE);
    if (!read || points != legiblePoints(points) || points == preview->document->print.posterPoints)
        return;
    preview->document->print.posterPoints = points;
    cutPages(window, preview);
    showPageNumber(window, preview);
}

static void takeLayout(HWND window, PreviewRecord *preview)
{
    LRESULT layout = SendDlgItemMessageW(window, IDC_PREVIEW_LAYOUT, CB_GETCURSEL, 0, 0);
    if (layout < LAYOUT_ONE_PAGE || layout > LAYOUT_POSTER)
        return;
    preview->document->print.layout = (int)layout;
    cutPages(window, preview);
    showPageNumber(window, preview);
}

static void askToPrint(HWND window, PreviewRecord *preview)
{
    if (!choosePrinterDefaults(window, &preview->document->print))
        return sayNoPrinter(window, preview->document->bracket);
    EndDialog(window, IDC_PREVIEW_PRINT);
}

/* The sheet as large as the page area allows, drawn off screen and shown
 * at once, so turning pages does not flicker. */
static void drawPreviewPage(PreviewRecord *preview, const DRAWITEMSTRUCT *item)
{
    RECT area = item->rcItem;
    int width = area.right - area.left, height = area.bottom - area.top;
    HDC canvas = CreateCompatibleDC(item->hDC);
    HBITMAP bitmap = canvas ? CreateCompatibleBitmap(item->hDC, width, height) : NULL;
    if (!bitmap) {
        if (canvas)
            DeleteDC(canvas);
        return;
    }
    HGDIOBJ old = SelectObject(canvas, bitmap);
    HBRUSH desk = CreateSolidBrush(DESK), sheet = CreateSolidBrush(SHEET);
    RECT whole = {0, 0, width, height};
    FillRect(canvas, &whole, desk);
    SIZE paper = preview->sheet.paper;
    int roomX = width - 2 * PREVIEW_BORDER, roomY = height - 2 * PREVIEW_BORDER;
    if (roomX > 0 && roomY > 0 && paper.cx > 0 && paper.cy > 0) {
        PageDevice device;
        device.paperSize.cx = roomX;
        device.paperSize.cy = MulDiv(paper.cy, roomX, paper.cx);
        if (device.paperSize.cy > roomY) {
            device.paperSize.cy = roomY;
            device.paperSize.cx = MulDiv(paper.cx, roomY, paper.cy);
        }
        device.paperOrigin.x = (width - device.paperSize.cx) / 2;
        device.paperOrigin.y = (height - device.paperSize.cy) / 2;
        RECT page = {device.paperOrigin.x, device.paperOrigin.y, device.paperOrigin.x + device.paperSize.cx,
                     device.paperOrigin.y + device.paperSize.cy};
        FillRect(canvas, &page, sheet);
        drawPrintPage(preview->document->bracket, &preview->picture, canvas, &device, &preview->sheet, &preview->pages, preview->page);
    }
    BitBlt(item->hDC, area.left, area.top, width, height, canvas, 0, 0, SRCCOPY);
    DeleteObject(desk);
    DeleteObject(sheet);
    SelectObject(canvas, old);
    DeleteObject(bitmap);
    DeleteDC(canvas);
}

static INT_PTR CALLBACK previewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PreviewRecord *preview = (PreviewRecord *)dialogRecord(window, message, lParam);
    if (!preview)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG: initPreview(window, preview); break;
    case WM_COMMAND:
        switch (wParam) {
        case IDC_PREVIEW_PREVIOUS: turnPage(window, preview, -1); break;
        case IDC_PREVIEW_NEXT: turnPage(window, preview, 1); break;
        case MAKEWPARAM(IDC_PREVIEW_LAYOUT, CBN_SELCHANGE): takeLayout(window, preview); break;
        case MAKEWPARAM(IDC_POSTER_POINTS, EN_CHANGE): takePosterPoints(window, preview); break;
        case IDC_PREVIEW_PRINT: askToPrint(window, preview); break;
        case IDCANCEL: EndDialog(window, IDCANCEL); break;
        }
        break;
    case WM_SIZE: placePageArea(window, preview); break;
    case WM_DRAWITEM:
        if (wParam == IDC_PREVIEW_PAGE) {
            drawPreviewPage(preview, (const DRAWITEMSTRUCT *)lParam);
            SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

void printPreview(HWND window, DocumentState *state)
{
    PreviewRecord preview = {};
    preview.document = state;
    /* The default printer's settings, when there is one and none are
     * chosen yet, so the preview shows the paper Print would use. */
    choosePrinterDefaults(window, &state->print);
    previewSheet(&state->print, &preview.sheet);
    INT_PTR answer = DialogBoxParamW(state->bracket->resourceModule, MAKEINTRESOURCEW(IDD_PRINT_PREVIEW), window,
                                     previewProc, (LPARAM)&preview);
    releasePrintPages(&preview.pages);
    freePictureDescription(&preview.picture);
    if (answer == IDC_PREVIEW_PRINT)
        printWithPrintDialog(window, state);
}
