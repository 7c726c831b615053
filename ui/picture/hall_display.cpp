#include "ui/picture/hall_display.h"

#include "model/heap.h"
#include "model/undo_history.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/picture/bracket_picture.h"
#include "ui/common/picture_failure.h"
#include "ui/picture/hall_parts.h"
#include "ui/picture/now_and_next.h"
#include "ui/picture/picture_layout.h"

const WCHAR HALL_DISPLAY_CLASS[] = L"DuelmarkHallDisplay";

enum {
    EDGE_SHARE = 60,            /* the picture keeps 1/EDGE_SHARE of the screen clear at each edge */
    NAME_SHARE = 40,            /* no name is less than 1/NAME_SHARE of the screen's height */
    ROTATION_TIMER_ID = 1,
    ROTATION_SECONDS = 15,      /* a page's time on screen unless the user set another */
    NOW_AND_NEXT_PAGE = -1      /* in the order of pages: the Now and next page */
};

/* Where the time a page stays on screen may be set (a whole number of
 * seconds, "Seconds per page"), beside the editor's other settings. */
static const WCHAR HALL_SETTINGS_KEY[] = L"Software\\Duelmark\\Hall Display";

static const COLORREF HALL_PAPER = RGB(255, 255, 255);

struct HallDisplay {
    DocumentState *document;
    PictureDescription shown;   /* what is on the screen */
    int window;                 /* the window has it, and frees it when it goes */
    int stale;                  /* the bracket changed since shown was laid out */
    HWND hall;
    HallParts parts;            /* the picture cut to read from the back */
    int *pages;                 /* the parts in the order shown, then Now and next; heap */
    int pageCount;
    int page;                   /* the one on screen */
    PictureDescription part;    /* what the page on screen draws, when it is a part */
    int partOf;                 /* the page part describes; -1 none */
    int rotating;               /* the pages turn on their own */
};

/* The seconds a page stays, as the user set them, within reason. */
static UINT rotationMilliseconds(void)
{
    DWORD seconds = ROTATION_SECONDS, size = sizeof seconds, type = 0;
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, HALL_SETTINGS_KEY, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        if (RegQueryValueExW(key, L"Seconds per page", NULL, &type, (BYTE *)&seconds, &size) != ERROR_SUCCESS ||
            type != REG_DWORD || seconds < 3 || seconds > 3600)
            seconds = ROTATION_SECONDS;
        RegCloseKey(key);
    }
    return seconds * 1000;
}

/* The room the picture takes and the least height of a name, from the
 * screen's size. */
static RECT pictureTarget(RECT client)
{
    RECT target = client;
    InflateRect(&target, -client.right / EDGE_SHARE, -client.bottom / EDGE_SHARE);
    return target;
}

static void forgetPages(HallDisplay *display)
{
    releaseHallParts(&display->parts);
    freeBlock(display->pages);
    display->pages = NULL;
    display->pageCount = 0;
    freePictureDescription(&display->part);
    display->partOf = -1;
}

/* The parts with matches to play come first, so that each round of the
 * pages starts where the play is; Now and next closes it. */
static void orderPages(HallDisplay *display)
{
    display->pageCount = 0;
    for (int live = 1; live >= 0; live--) {
        for (int p = 0; p < display->parts.count; p++) {
            if (display->parts.parts[p].live == live)
                display->pages[display->pageCount++] = p;
        }
    }
    if (nowAndNextShown(display->document->bracket))
        display->pages[display->pageCount++] = NOW_AND_NEXT_PAGE;
}

/* A page is shown again after a change when it still exists. */
static void cutPages(HWND window, HallDisplay *display)
{
    int page = display->page;
    forgetPages(display);
    RECT client;
    GetClientRect(window, &client);
    RECT target = pictureTarget(client);
    SIZE room = {target.right - target.left, target.bottom - target.top};
    if (!display->shown.size.cx || !cutHallParts(&display->shown, room, (client.bottom + NAME_SHARE - 1) / NAME_SHARE,
                                                 &display->parts))
        return;
    display->pages = (int *)allocBlock((SIZE_T)(display->parts.count + 1) * sizeof(int));
    if (!display->pages)
        return;
    orderPages(display);
    display->page = page < display->pageCount ? page : 0;
}

/* After a change that moved nothing the parts stay as they were cut; the
 * one on screen stays there, though the pages' order may follow the play. */
static void refreshPages(HallDisplay *display)
{
    freePictureDescription(&display->part);
    display->partOf = -1;
    if (!display->pages || !markLiveHallParts(&display->shown, &display->parts))
        return;
    int onScreen = display->pageCount ? display->pages[display->page] : 0;
    orderPages(display);
    display->page = 0;
    for (int i = 0; i < display->pageCount; i++) {
        if (display->pages[i] == onScreen)
            display->page = i;
    }
}

/* Pages turn on their own while there are several; a page turned by hand
 * gets its whole time. */
static void restartRotation(HWND window, HallDisplay *display)
{
    display->rotating = display->pageCount > 1 && SetTimer(window, ROTATION_TIMER_ID, rotationMilliseconds(), NULL);
    if (!display->rotating)
        KillTimer(window, ROTATION_TIMER_ID);
}

/* After a change: a busy editor must not hold the page on screen by
 * restarting its time at every keystroke. */
static void keepRotation(HWND window, HallDisplay *display)
{
    if (display->rotating != (display->pageCount > 1))
        restartRotation(window, display);
}

static void turnPage(HWND window, HallDisplay *display, int by)
{
    if (display->pageCount < 2)
        return;
    display->page = (display->page + by + display->pageCount) % display->pageCount;
    InvalidateRect(window, NULL, FALSE);
}

/* What the page on screen shows, drawn into canvas. */
static void drawPage(HallDisplay *display, HDC canvas, RECT client)
{
    RECT target = pictureTarget(client);
    int page = display->pageCount ? display->pages[display->page] : 0;
    if (display->pageCount && page == NOW_AND_NEXT_PAGE)
        return drawNowAndNext(display->document->bracket, canvas, target, client.bottom);
    if (display->parts.count <= 1)
        return drawPictureDescription(&display->shown, canvas, target);
    if (display->partOf != page) {
        freePictureDescription(&display->part);
        display->partOf = describeHallPart(&display->shown, &display->parts, page, &display->part) ? page : -1;
    }
    if (display->partOf == page)
        drawPictureDescription(&display->part, canvas, target);
}

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
        drawPage(display, canvas, client);
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
    int sameCut = display->parts.count && sameHallGeometry(&now, &display->shown);
    freePictureDescription(&display->shown);
    display->shown = now;
    if (sameCut)
        refreshPages(display);
    else
        cutPages(window, display);
    keepRotation(window, display);
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
    case WM_TIMER:
        if (wParam == ROTATION_TIMER_ID)
            turnPage(window, display, 1);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE || wParam == VK_F11) {
            DestroyWindow(window);
            return 0;
        }
        if (wParam == VK_RIGHT || wParam == VK_DOWN || wParam == VK_NEXT || wParam == VK_SPACE ||
            wParam == VK_LEFT || wParam == VK_UP || wParam == VK_PRIOR) {
            int back = wParam == VK_LEFT || wParam == VK_UP || wParam == VK_PRIOR;
            turnPage(window, display, back ? -1 : 1);
            restartRotation(window, display);
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
        if (display) {
            forgetPages(display);
            freePictureDescription(&display->shown);
        }
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
    display->parts = HallParts{};
    display->pages = NULL;
    display->pageCount = 0;
    display->page = 0;
    display->partOf = -1;
    display->rotating = 0;
    initPictureDescription(&display->shown, SIZE{0, 0}, HALL_PAPER);
    initPictureDescription(&display->part, SIZE{0, 0}, HALL_PAPER);
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
            forgetPages(display);
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
