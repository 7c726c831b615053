#include "ui/picture/hall_display.h"

#include "model/heap.h"
#include "model/undo_history.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/picture/bracket_picture.h"
#include "ui/common/picture_failure.h"
#include "ui/picture/picture_layout.h"

const WCHAR HALL_DISPLAY_CLASS[] = L"DuelmarkHallDisplay";

enum {
    EDGE_SHARE = 60             /* the picture keeps 1/EDGE_SHARE of the screen clear at each edge */
};

static const COLORREF HALL_PAPER = RGB(255, 255, 255);

struct HallDisplay {
    DocumentState *document;
    PictureDescription shown;   /* what is on the screen */
    int window;                 /* the window has it, and frees it when it goes */
    int stale;                  /* the bracket changed since shown was laid out */
    HWND hall;
};

/* The description on the screen drawn off screen and shown at once: no
 * flicker on a change. */
static void paintHallDisplay(HWND window, HallDisplay *display)
{
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP bitmap = canvas ? CreateCompatibleBitmap(screen, client.right, client.bottom) : NULL;
    if (bitmap) {
        HGDIOBJ old = SelectObject(canvas, bitmap);
        HBRUSH paper = CreateSolidBrush(HALL_PAPER);
        FillRect(canvas, &client, paper);
        DeleteObject(paper);
        RECT target = client;
        InflateRect(&target, -client.right / EDGE_SHARE, -client.bottom / EDGE_SHARE);
        drawPictureDescription(&display->shown, canvas, target);
        BitBlt(screen, 0, 0, client.right, client.bottom, canvas, 0, 0, SRCCOPY);
        SelectObject(canvas, old);
        DeleteObject(bitmap);
    }
    if (canvas)
        DeleteDC(canvas);
    EndPaint(window, &paint);
}

/* The picture laid out again from the editor's bracket; when it differs
 * from the one shown in any box, line or text, it is shown instead. */
static void followEditor(HWND window, HallDisplay *display)
{
    PictureDescription now;
    display->stale = 0;
    /* No bracket describes an empty picture, shown as blank paper; a lack
     * of memory half-way leaves what is shown. */
    if (!describeBracketPicture(display->document->bracket, &now) && now.size.cx) {
        freePictureDescription(&now);
        return;
    }
    if (samePictureDescription(&now, &display->shown)) {
        freePictureDescription(&now);
        return;
    }
    freePictureDescription(&display->shown);
    display->shown = now;
    InvalidateRect(window, NULL, FALSE);
}

/* Told of each value a change touched, perhaps hundreds for one step: the
 * picture is laid out again once, when the display next paints. */
static void noteBracketChange(Bracket *, BracketNode *, void *context)
{
    HallDisplay *display = (HallDisplay *)context;
    if (display->stale)
        return;
    display->stale = 1;
    InvalidateRect(display->hall, NULL, FALSE);
}

static LRESULT CALLBACK hallDisplayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    HallDisplay *display = (HallDisplay *)GetWindowLongPtrW(window, GWLP_USERDATA);
    switch (message) {
    case WM_NCCREATE:
        display = (HallDisplay *)((CREATESTRUCTW *)lParam)->lpCreateParams;
        display->window = 1;
        display->hall = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, (LONG_PTR)display);
        break;
    case WM_CREATE:
        followEditor(window, display);
        return !display->document->bracket || watchUndoSteps(display->document->bracket, noteBracketChange, display)
                   ? 0
                   : -1;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
        if (!display)
            break;
        if (display->stale)
            followEditor(window, display);
        paintHallDisplay(window, display);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE || wParam == VK_F11) {
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        if (display && display->document->bracket)
            unwatchUndoSteps(display->document->bracket, noteBracketChange, display);
        if (display && display->document->hallDisplay == window)
            display->document->hallDisplay = NULL;
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (display)
            freePictureDescription(&display->shown);
        freeBlock(display);
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

static int registerHallDisplay(HINSTANCE instance)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = hallDisplayProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
    windowClass.lpszClassName = HALL_DISPLAY_CLASS;
    return RegisterClassExW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

struct MonitorSearch {
    HMONITOR editor;
    HMONITOR other;
};

static BOOL CALLBACK considerMonitor(HMONITOR monitor, HDC, RECT *, LPARAM data)
{
    MonitorSearch *search = (MonitorSearch *)data;
    if (monitor != search->editor && !search->other)
        search->other = monitor;
    return TRUE;
}

/* A monitor the editor is not on, else the editor's own. */
static HMONITOR hallMonitor(HWND editor)
{
    MonitorSearch search = {MonitorFromWindow(editor, MONITOR_DEFAULTTOPRIMARY), NULL};
    EnumDisplayMonitors(NULL, NULL, considerMonitor, (LPARAM)&search);
    return search.other ? search.other : search.editor;
}

/* An F11 that shows nothing would leave the organiser guessing. */
static void reportHallDisplayFailure(HWND window, Bracket *bracket, DWORD reason)
{
    if (!bracket)
        return;
    WCHAR name[128];
    loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, name, 128);
    showPictureFailure(window, bracket, IDS_HALL_DISPLAY_FAILED, bracket->title[0] ? bracket->title : name,
                       reason ? reason : (DWORD)ERROR_NOT_ENOUGH_MEMORY);
}

void toggleHallDisplay(HWND window, DocumentState *state)
{
    if (state->hallDisplay) {
        DestroyWindow(state->hallDisplay);
        return;
    }
    HINSTANCE instance = GetModuleHandleW(NULL);
    HallDisplay *display = (HallDisplay *)allocBlock(sizeof(HallDisplay));
    if (!display || !registerHallDisplay(instance)) {
        DWORD reason = display ? GetLastError() : (DWORD)ERROR_NOT_ENOUGH_MEMORY;
        freeBlock(display);
        reportHallDisplayFailure(window, state->bracket, reason);
        return;
    }
    display->document = state;
    display->window = 0;
    display->stale = 0;
    display->hall = NULL;
    initPictureDescription(&display->shown, SIZE{0, 0}, HALL_PAPER);
    HMONITOR monitor = hallMonitor(window);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    RECT screen = info.rcMonitor;
    WCHAR title[128];
    if (!loadStringWithFallback(state->bracket ? state->bracket->resourceModule : NULL, IDS_APP_TITLE, title, 128))
        lstrcpyW(title, L"Duelmark");
    /* Owned by the editor: it goes when the editor goes, and never hides
     * behind it. */
    HWND hall = CreateWindowExW(0, HALL_DISPLAY_CLASS, title, WS_POPUP, screen.left, screen.top,
                                screen.right - screen.left, screen.bottom - screen.top, window, NULL, instance,
                                display);
    if (!hall) {
        reportHallDisplayFailure(window, state->bracket, GetLastError());
        if (!display->window) {
            freePictureDescription(&display->shown);
            freeBlock(display);
        }
        return;
    }
    state->hallDisplay = hall;
    /* On a monitor of its own it leaves the keyboard with the editor; over
     * the editor it takes it, so Esc closes it. */
    ShowWindow(hall, monitor == MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY) ? SW_SHOW : SW_SHOWNOACTIVATE);
    UpdateWindow(hall);
}
