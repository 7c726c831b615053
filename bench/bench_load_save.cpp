// Load and save of a 64- and a 256-team bracket file against floors
// measured in the same run: a bare MSXML load of the same file plus creating
// (and destroying) as many bare controls as the bracket has slots, and a
// bare MSXML save of the same document. Prints medians and ratios.
#include <windows.h>
#include <msxml2.h>

#include <stdio.h>

#include <algorithm>
#include <vector>

#include "file/bracket_file.h"
#include "file/safe_replace.h"
#include "model/bracket.h"
#include "res/resource.h"
#include "ui/layout.h"

namespace {

const CLSID DOM_DOCUMENT_CLASS = { 0xF6D90F11, 0x9C73, 0x11D3, { 0xB3, 0x2E, 0x00, 0xC0, 0x4F, 0x99, 0x0B, 0xB4 } };
const IID DOM_DOCUMENT_INTERFACE = { 0x2933BF81, 0x7B36, 0x11D2, { 0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60 } };
const int RUNS = 11;

INT_PTR CALLBACK quietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

double now()
{
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

IXMLDOMDocument *bareDocument()
{
    IXMLDOMDocument *document = NULL;
    CoCreateInstance(DOM_DOCUMENT_CLASS, NULL, CLSCTX_INPROC_SERVER, DOM_DOCUMENT_INTERFACE, (void **)&document);
    document->put_async(VARIANT_FALSE);
    return document;
}

VARIANT pathVariant(const WCHAR *path)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(path);
    return value;
}

// The floor of a load: what any reader must at least do.
void bareLoadAndControls(const WCHAR *path, HWND window, int slots, std::vector<HWND> &controls)
{
    for (HWND control : controls)
        DestroyWindow(control);
    controls.clear();
    IXMLDOMDocument *document = bareDocument();
    VARIANT source = pathVariant(path);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    document->load(source, &loaded);
    VariantClear(&source);
    document->Release();
    HINSTANCE instance = GetModuleHandleW(NULL);
    for (int i = 0; i < 2 * slots - 1; i++) {
        const WCHAR *kind = i < slots ? L"Edit" : L"ComboBox";
        controls.push_back(CreateWindowExW(0, kind, L"", WS_CHILD | WS_VISIBLE, 0, i, 78, 16, window, NULL,
                                           instance, NULL));
    }
}

void destroyControls(Bracket *bracket)
{
    for (int id = 1; id <= 2 * bracket->slotCount - 1; id++) {
        DestroyWindow(bracket->nodeTable[id - 1]->control);
        bracket->nodeTable[id - 1]->control = NULL;
    }
}

void benchmark(int teams, HWND window, const WCHAR *folder)
{
    WCHAR file[MAX_PATH], ours[MAX_PATH], bare[MAX_PATH];
    wsprintfW(file, L"%s\\bench-%d.xml", folder, teams);
    wsprintfW(ours, L"%s\\bench-%d-ours.xml", folder, teams);
    wsprintfW(bare, L"%s\\bench-%d-bare.xml", folder, teams);

    Bracket bracket;
    initBracket(&bracket, GetModuleHandleW(NULL));
    buildBracket(&bracket, teams);
    lstrcpyW(bracket.title, L"Benchmark bracket");
    for (int id = 1; id <= 2 * teams - 1; id++) {
        BracketNode *node = bracket.nodeTable[id - 1];
        if (id <= teams)
            wsprintfW(node->name, L"Team number %d & co", id);
    }
    for (int k = bracket.depth - 1; k >= 0; k--) {
        for (BracketNode *node = leftmostAtLevel(&bracket, k); node; node = nextInLevel(node))
            lstrcpyW(node->name, node->left->name);
    }
    saveBracketFile(&bracket, window, file);

    std::vector<double> loadTimes, floorLoadTimes, saveTimes, floorSaveTimes, replaceTimes, layoutTimes;
    HANDLE saved = CreateFileW(file, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    static char bytes[1 << 20];
    DWORD size = 0;
    ReadFile(saved, bytes, sizeof bytes, &size, NULL);
    CloseHandle(saved);
    std::vector<HWND> controls;
    IXMLDOMDocument *document = bareDocument();
    VARIANT source = pathVariant(file);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    document->load(source, &loaded);
    VariantClear(&source);
    VARIANT target = pathVariant(bare);

    // Interleaved, so drift in the machine's speed hits both sides alike.
    for (int run = 0; run < RUNS; run++) {
        double start = now();
        loadBracketFile(&bracket, window, file);
        loadTimes.push_back(now() - start);

        start = now();
        SendMessageW(window, WM_SETREDRAW, FALSE, 0);
        destroyControls(&bracket);
        layoutBracket(&bracket, window, 0);
        SendMessageW(window, WM_SETREDRAW, TRUE, 0);
        layoutTimes.push_back(now() - start);

        start = now();
        bareLoadAndControls(file, window, teams, controls);
        floorLoadTimes.push_back(now() - start);

        start = now();
        saveBracketFile(&bracket, window, ours);
        saveTimes.push_back(now() - start);

        start = now();
        document->save(target);
        floorSaveTimes.push_back(now() - start);

        start = now();
        replaceFileContents(ours, bytes, size);
        replaceTimes.push_back(now() - start);
    }
    VariantClear(&target);
    document->Release();
    for (HWND control : controls)
        DestroyWindow(control);
    resetBracket(&bracket);

    double load = median(loadTimes), floorLoad = median(floorLoadTimes);
    double save = median(saveTimes), floorSave = median(floorSaveTimes);
    printf("%3d teams  load %8.2f ms  floor %8.2f ms  ratio %.2f (goal <= 1.25)\n", teams, load, floorLoad,
           load / floorLoad);
    printf("%3d teams  save %8.2f ms  floor %8.2f ms  ratio %.2f (goal <= 1.50)\n", teams, save, floorSave,
           save / floorSave);
    printf("%3d teams  of the load, the layout alone (controls destroyed and made again): %.2f ms\n", teams,
           median(layoutTimes));
    printf("%3d teams  of the save, the crash-safe replace alone (temporary file, flush, swap): %.2f ms\n", teams,
           median(replaceTimes));
}

} // namespace

int main()
{
    CoInitialize(NULL);
    HWND window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, quietDialogProc, 0);
    WCHAR folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    lstrcatW(folder, L"duelmark-bench");
    CreateDirectoryW(folder, NULL);
    printf("medians of %d interleaved runs\n", RUNS);
    benchmark(64, window, folder);
    benchmark(256, window, folder);
    DestroyWindow(window);
    CoUninitialize();
    return 0;
}
