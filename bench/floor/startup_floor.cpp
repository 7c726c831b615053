/* The floor of the start-up benchmark: the least a dialog program doing the
 * editor's required work can do. No C runtime, its own entry point, COM and
 * the common controls initialised, the editor's own main-window template
 * (menu, manifest and all) run modally. Given a bracket file's path, the
 * dialog also loads that file through a bare MSXML document and makes the
 * bare layout calls of a 64-team bracket before it is shown. */
#include <windows.h>
#include <commctrl.h>
#include <msxml2.h>

#include "bench/floor/bare_layout.h"
#include "res/resource.h"

enum { FLOOR_TEAMS = 64 };

static const CLSID DOM_DOCUMENT_CLASS = {
    0xF6D90F11, 0x9C73, 0x11D3, { 0xB3, 0x2E, 0x00, 0xC0, 0x4F, 0x99, 0x0B, 0xB4 } };
static const IID DOM_DOCUMENT_INTERFACE = {
    0x2933BF81, 0x7B36, 0x11D2, { 0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60 } };

static HWND controls[2 * FLOOR_TEAMS - 1];

/* The text after the program's own (possibly quoted) name, its quotes
 * removed; empty when there is none. */
static WCHAR *firstArgument(void)
{
    WCHAR *p = GetCommandLineW();
    WCHAR end = *p == L'"' ? L'"' : L' ';
    if (*p == L'"')
        p++;
    while (*p && *p != end)
        p++;
    if (*p == L'"')
        p++;
    while (*p == L' ')
        p++;
    if (*p == L'"') {
        WCHAR *q = ++p;
        while (*q && *q != L'"')
            q++;
        *q = 0;
    }
    return p;
}

static void bareLoad(const WCHAR *path)
{
    IXMLDOMDocument *document = NULL;
    if (FAILED(CoCreateInstance(DOM_DOCUMENT_CLASS, NULL, CLSCTX_INPROC_SERVER, DOM_DOCUMENT_INTERFACE,
                                (void **)&document)))
        return;
    document->put_async(VARIANT_FALSE);
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = SysAllocString(path);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    document->load(source, &loaded);
    SysFreeString(source.bstrVal);
    document->Release();
}

static INT_PTR CALLBACK floorDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG && lParam) {
        bareLoad((const WCHAR *)lParam);
        bareLayout(window, FLOOR_TEAMS, 0, controls);
    }
    if (message == WM_COMMAND && wParam == IDCANCEL)
        EndDialog(window, 0);
    return FALSE;
}

extern "C" void startFloor(void)
{
    if (FAILED(CoInitialize(NULL)))
        ExitProcess(0);
    InitCommonControls();
    WCHAR *path = firstArgument();
    DialogBoxParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, floorDialogProc,
                    (LPARAM)(*path ? path : NULL));
    CoUninitialize();
    ExitProcess(0);
}
