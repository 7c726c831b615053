// Where the time goes when a 64-team bracket file is opened at start-up,
// one platform call kind at a time, in the order the editor makes them, so
// each first use pays what it pays in the editor. Then the same calls once
// more, warm, and the editor's own routines over the same work. Prints one
// line per step: total milliseconds and, for per-slot calls, per call.
// Run by scripts/bench.sh after the benchmarks; figures in
// docs/performance.md.
#include <windows.h>
#include <commctrl.h>
#include <msxml2.h>

#include <stdio.h>

#include <string>

#include "bench/floor/bare_layout.h"
#include "bench/floor/bare_load.h"
#include "bench/floor/bench_bracket.h"
#include "file/bracket_writer.h"
#include "model/bracket.h"
#include "res/resource.h"
#include "ui/common/document_state.h"
#include "ui/window/layout.h"
#include "ui/main_dialog.h"
#include "ui/document/open_bracket.h"

namespace {

const int TEAMS = 64;
const int SLOTS = 2 * TEAMS - 1;

double now()
{
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

double mark;
void step(const char *what, int calls = 0)
{
    double elapsed = now() - mark;
    if (calls)
        printf("  %-58s %8.2f ms  %7.1f us per call (%d)\n", what, elapsed, elapsed * 1000 / calls, calls);
    else
        printf("  %-58s %8.2f ms\n", what, elapsed);
    mark = now();
}

INT_PTR CALLBACK quietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

std::wstring writeBracketFile()
{
    WCHAR temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring path = std::wstring(temp) + L"duelmark-profile-64.xml";
    std::string xml = "<Games><Title>Benchmark</Title><Teams>64</Teams>";
    char element[96];
    WCHAR name[32];
    for (int id = 1; id <= SLOTS; id++) {
        benchSlotName(TEAMS, id, name);
        snprintf(element, sizeof element, "<Team Name=\"%ls\" id=\"%d\"/>", name, id);
        xml += element;
    }
    xml += "</Games>";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    WriteFile(file, xml.data(), (DWORD)xml.size(), &written, NULL);
    CloseHandle(file);
    return path;
}

// Starts a program and waits for its end: the cost of a process that does
// nothing (its own entry point calls ExitProcess at once).
void processStart(const WCHAR *program)
{
    WCHAR line[MAX_PATH + 2];
    wsprintfW(line, L"\"%s\"", program);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(NULL, line, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        WaitForSingleObject(process.hProcess, 30000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void setupLoadAndWalk(const WCHAR *path)
{
    IXMLDOMDocument *document = NULL;
    CoCreateInstance(DOM_DOCUMENT_CLASS, NULL, CLSCTX_INPROC_SERVER, DOM_DOCUMENT_INTERFACE, (void **)&document);
    document->put_async(VARIANT_FALSE);
    step("MSXML: document created", 1);
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = SysAllocString(path);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    document->load(source, &loaded);
    VariantClear(&source);
    step("MSXML: load of the file by path", 1);
    BSTR query = SysAllocString(L"Games/Team"), name = SysAllocString(L"Name");
    IXMLDOMNodeList *teams = NULL;
    document->selectNodes(query, &teams);
    long count = 0;
    teams->get_length(&count);
    for (long i = 0; i < count; i++) {
        IXMLDOMNode *team = NULL;
        teams->get_item(i, &team);
        IXMLDOMNamedNodeMap *attributes = NULL;
        team->get_attributes(&attributes);
        IXMLDOMNode *attribute = NULL;
        attributes->getNamedItem(name, &attribute);
        VARIANT value;
        VariantInit(&value);
        attribute->get_nodeValue(&value);
        VariantClear(&value);
        attribute->Release();
        attributes->Release();
        team->Release();
    }
    teams->Release();
    SysFreeString(name);
    SysFreeString(query);
    step("MSXML: every Team's Name read through the DOM", (int)count);
    document->Release();
    step("MSXML: document released", 1);
}

// The layout's calls, one kind at a time over all slots.
void layoutByKind(HWND window, const char *when)
{
    printf(" %s\n", when);
    HINSTANCE instance = GetModuleHandleW(NULL);
    HFONT font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    static HWND edits[TEAMS], picks[TEAMS];
    WCHAR name[32];
    mark = now();
    for (int i = 0; i < TEAMS; i++) {
        benchSlotName(TEAMS, i + 1, name);
        edits[i] = CreateWindowExW(0x204, L"Edit", name, 0x50010880, 10, 10 + 20 * (i % 32), 78, 16, window,
                                   (HMENU)IDC_TEAM_EDIT, instance, NULL);
    }
    step("CreateWindowExW \"Edit\" with its text", TEAMS);
    for (int i = 0; i < TEAMS - 1; i++)
        picks[i] = CreateWindowExW(0, L"ComboBox", NULL, 0x50010203, 88, 20 + 10 * (i % 60), 78, 100, window,
                                   (HMENU)IDC_PICK_COMBO, instance, NULL);
    step("CreateWindowExW \"ComboBox\"", TEAMS - 1);
    for (int i = 0; i < TEAMS; i++)
        SendMessageW(edits[i], EM_LIMITTEXT, 127, 0);
    step("EM_LIMITTEXT", TEAMS);
    for (int i = 0; i < TEAMS - 1; i++)
        SendMessageW(picks[i], CB_SETITEMHEIGHT, (WPARAM)-1, 12);
    step("CB_SETITEMHEIGHT", TEAMS - 1);
    for (int i = 0; i < TEAMS - 1; i++) {
        benchSlotName(TEAMS, TEAMS + 1 + i, name);
        SendMessageW(picks[i], CB_ADDSTRING, 0, (LPARAM)name);
        SendMessageW(picks[i], CB_SETCURSEL, 0, 0);
    }
    step("CB_ADDSTRING and CB_SETCURSEL (initial item)", TEAMS - 1);
    for (int i = 0; i < TEAMS; i++)
        SendMessageW(edits[i], WM_SETFONT, (WPARAM)font, TRUE);
    step("WM_SETFONT, redraw, to an edit", TEAMS);
    for (int i = 0; i < TEAMS - 1; i++)
        SendMessageW(picks[i], WM_SETFONT, (WPARAM)font, TRUE);
    step("WM_SETFONT, redraw, to a combobox", TEAMS - 1);
    for (int i = 0; i < TEAMS; i++)
        SendMessageW(edits[i], WM_SETFONT, (WPARAM)font, FALSE);
    step("WM_SETFONT, no redraw, to an edit", TEAMS);
    for (int i = 0; i < TEAMS - 1; i++)
        SendMessageW(picks[i], WM_SETFONT, (WPARAM)font, FALSE);
    step("WM_SETFONT, no redraw, to a combobox", TEAMS - 1);
    for (int i = 0; i < TEAMS; i++)
        SetWindowLongPtrW(edits[i], GWLP_USERDATA, i + 1);
    for (int i = 0; i < TEAMS - 1; i++)
        SetWindowLongPtrW(picks[i], GWLP_USERDATA, i + 1);
    step("SetWindowLongPtrW GWLP_USERDATA", SLOTS);
    HDC dc = GetDC(picks[0]);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size;
    for (int i = 0; i < SLOTS; i++) {
        benchSlotName(TEAMS, i + 1, name);
        GetTextExtentPoint32W(dc, name, lstrlenW(name), &size);
    }
    SelectObject(dc, old);
    ReleaseDC(picks[0], dc);
    step("GetTextExtentPoint32W (drop-down widths; not in an open)", SLOTS);
    RECT outer, client, work;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    step("GetWindowRect, GetClientRect, SPI_GETWORKAREA", 1);
    SetWindowPos(window, NULL, 100, 100, 1040 + (outer.right - outer.left) - (client.right - client.left),
                 700, SWP_NOZORDER | SWP_NOACTIVATE);
    step("SetWindowPos of the main window", 1);
    SendMessageW(window, WM_SETTEXT, 0, (LPARAM)L"Duelmark - Benchmark");
    step("WM_SETTEXT caption", 1);
    ShowWindow(window, SW_SHOW);
    step("ShowWindow of the main window", 1);
    UpdateWindow(window);
    RedrawWindow(window, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    step("painting: UpdateWindow, all children", 1);
    RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    step("painting: whole window and controls again", 1);
    for (int i = 0; i < TEAMS; i++)
        DestroyWindow(edits[i]);
    step("DestroyWindow of an edit (window shown)", TEAMS);
    for (int i = 0; i < TEAMS - 1; i++)
        DestroyWindow(picks[i]);
    step("DestroyWindow of a combobox (window shown)", TEAMS - 1);
    ShowWindow(window, SW_HIDE);
    mark = now();
}

void editorRoutines(HWND window, const WCHAR *path)
{
    printf(" the editor's own routines, same window\n");
    Bracket bracket;
    initBracket(&bracket, GetModuleHandleW(NULL));
    static HWND controls[SLOTS];
    mark = now();
    bareLayout(window, TEAMS, 0, controls);
    step("floor: bare layout calls, window hidden", 1);
    bareTeardown(controls, TEAMS);
    step("floor: bare teardown, window hidden", 1);
    loadBracketFile(&bracket, window, path);
    step("loadBracketFile (reader and layout), window hidden", 1);
    resetBracket(&bracket);
    step("resetBracket (teardown), window hidden", 1);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    mark = now();
    bareLayout(window, TEAMS, 0, controls);
    step("floor: bare layout calls, window shown", 1);
    UpdateWindow(window);
    RedrawWindow(window, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    step("painting what the floor left to paint", 1);
    bareTeardown(controls, TEAMS);
    UpdateWindow(window);
    step("floor: bare teardown, window shown, and painting", 1);
    loadBracketFile(&bracket, window, path);
    step("loadBracketFile, window shown", 1);
    UpdateWindow(window);
    RedrawWindow(window, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    step("painting what the load left to paint", 1);
    buildBracket(&bracket, 0);
    resetBracket(&bracket);
    UpdateWindow(window);
    step("resetBracket, window shown, and painting", 1);
    buildBracket(&bracket, TEAMS);
    for (int id = 1; id <= SLOTS; id++)
        benchSlotName(TEAMS, id, bracket.nodeTable[id - 1]->name);
    mark = now();
    layoutBracket(&bracket, window, 1);
    step("layoutBracket as New makes it, window shown", 1);
    UpdateWindow(window);
    RedrawWindow(window, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    step("painting what New's layout left to paint", 1);
    resetBracket(&bracket);
    ShowWindow(window, SW_HIDE);
}

// The modal main window from DialogBoxParamW until it is activated (shown),
// with the editor's own dialog procedure opening the file in WM_INITDIALOG,
// against a dialog procedure making the floor's calls there. A CBT hook
// notes the activation and closes the window at once.
HHOOK closeHook;
double activatedAt;
LRESULT CALLBACK closeWhenActivated(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && !activatedAt) {
        activatedAt = now();
        PostMessageW((HWND)wParam, WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(closeHook, code, wParam, lParam);
}

const WCHAR *floorPath;
INT_PTR CALLBACK floorDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    static HWND controls[SLOTS];
    if (message == WM_INITDIALOG) {
        bareLoad(floorPath);
        bareLayout(window, TEAMS, 0, controls);
    }
    if (message == WM_COMMAND && wParam == IDCANCEL)
        EndDialog(window, 0);
    return FALSE;
}

void dialogToShown(const WCHAR *path)
{
    printf(" the modal main window with the file opened in WM_INITDIALOG, until shown (5 rounds, medians)\n");
    closeHook = SetWindowsHookExW(WH_CBT, closeWhenActivated, NULL, GetCurrentThreadId());
    floorPath = path;
    double ours[5], floor[5];
    for (int round = 0; round < 5; round++) {
        Bracket bracket;
        initBracket(&bracket, GetModuleHandleW(NULL));
        DocumentState state = {};
        state.bracket = &bracket;
        lstrcpynW(state.path, path, PATH_CAPACITY);
        activatedAt = 0;
        double start = now();
        DialogBoxParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc, (LPARAM)&state);
        ours[round] = activatedAt - start;
        resetBracket(&bracket);
        activatedAt = 0;
        start = now();
        DialogBoxParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, floorDialogProc, 0);
        floor[round] = activatedAt - start;
    }
    UnhookWindowsHookEx(closeHook);
    for (int i = 0; i < 5; i++)
        for (int j = i + 1; j < 5; j++) {
            if (ours[j] < ours[i]) { double t = ours[i]; ours[i] = ours[j]; ours[j] = t; }
            if (floor[j] < floor[i]) { double t = floor[i]; floor[i] = floor[j]; floor[j] = t; }
        }
    printf("  %-58s %8.2f ms\n", "the editor's main window", ours[2]);
    printf("  %-58s %8.2f ms\n", "the floor's dialog", floor[2]);
}

} // namespace

int main()
{
    WCHAR own[MAX_PATH];
    GetModuleFileNameW(NULL, own, MAX_PATH);
    std::wstring folder = own;
    folder = folder.substr(0, folder.find_last_of(L"\\/") + 1);
    std::wstring path = writeBracketFile();

    printf("opening a 64-team file, first use of each call in this process\n");
    mark = now();
    processStart((folder + L"empty_program.exe").c_str());
    step("process start and end of an empty program", 1);
    CoInitialize(NULL);
    step("CoInitialize", 1);
    InitCommonControls();
    step("InitCommonControls", 1);
    HWND window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, quietDialogProc, 0);
    step("main window from its template (not shown)", 1);
    SendMessageW(window, WM_SETICON, ICON_BIG, (LPARAM)LoadIconW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDI_APP)));
    step("LoadIconW and WM_SETICON of the window icon", 1);
    setupLoadAndWalk(path.c_str());
    layoutByKind(window, "slot controls of 64 teams, call kind by call kind");
    printf(" the same, warm\n");
    setupLoadAndWalk(path.c_str());
    layoutByKind(window, "slot controls of 64 teams, warm");
    editorRoutines(window, path.c_str());
    dialogToShown(path.c_str());
    DestroyWindow(window);
    DeleteFileW(path.c_str());
    CoUninitialize();
    return 0;
}
