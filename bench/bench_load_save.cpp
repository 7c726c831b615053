// Load and save of a 64- and a 256-team bracket file against floors
// measured in the same run. The load's floor: a bare MSXML load of the same
// file plus the bare layout calls (floor/bare_layout.cpp), after destroying
// the controls of the previous round, as a load replaces the open bracket.
// The save's floor: the same document built through MSXML, saved to a
// temporary file beside the target (its real place looked up, as a save
// through a link must), flushed, loaded back once to check it, and put in
// the target's place with the platform's replace, which keeps the old
// file's attributes and security. Runs alternate; the medians of the runs'
// ratios are printed.
#include <windows.h>
#include <msxml2.h>

#include <stdio.h>

#include "bench/floor/bare_layout.h"
#include "bench/floor/bare_load.h"
#include "bench/floor/bench_bracket.h"
#include "bench/open_rounds.h"
#include "model/bracket.h"
#include "res/resource.h"
#include "ui/document/open_bracket.h"
#include "ui/document/save_bracket.h"

namespace {

const int RUNS = 11;

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

void appendElement(IXMLDOMElement *parent, IXMLDOMElement *child)
{
    IXMLDOMNode *added = NULL;
    parent->appendChild(child, &added);
    added->Release();
}

IXMLDOMElement *textElement(IXMLDOMDocument *document, const WCHAR *name, const WCHAR *text)
{
    BSTR tag = SysAllocString(name), content = SysAllocString(text);
    IXMLDOMElement *element = NULL;
    document->createElement(tag, &element);
    element->put_text(content);
    SysFreeString(content);
    SysFreeString(tag);
    return element;
}

void setAttribute(IXMLDOMElement *element, BSTR name, const WCHAR *value)
{
    VARIANT text = pathVariant(value);
    element->setAttribute(name, text);
    VariantClear(&text);
}

// The floor of a save: the benchmark bracket's document built through
// MSXML, saved beside the target (found through any link), flushed, read
// back, put in its place.
void bareSave(int teams, const WCHAR *target)
{
    IXMLDOMDocument *document = bareDocument();
    IXMLDOMElement *games = textElement(document, L"Games", L"");
    document->putref_documentElement(games);
    WCHAR text[32];
    IXMLDOMElement *child = textElement(document, L"Title", L"Benchmark");
    appendElement(games, child);
    child->Release();
    wsprintfW(text, L"%d", teams);
    child = textElement(document, L"Teams", text);
    appendElement(games, child);
    child->Release();
    BSTR team = SysAllocString(L"Team"), name = SysAllocString(L"Name"), id = SysAllocString(L"id");
    for (int slot = 1; slot <= 2 * teams - 1; slot++) {
        document->createElement(team, &child);
        benchSlotName(teams, slot, text);
        setAttribute(child, name, text);
        wsprintfW(text, L"%d", slot);
        setAttribute(child, id, text);
        appendElement(games, child);
        child->Release();
    }
    SysFreeString(id);
    SysFreeString(name);
    SysFreeString(team);
    games->Release();

    // Where the target really is, through any link: a save must update a
    // linked file rather than put a plain one where the link was.
    WCHAR final[MAX_PATH + 8] = L"";
    HANDLE existing = CreateFileW(target, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, NULL);
    if (existing != INVALID_HANDLE_VALUE) {
        GetFinalPathNameByHandleW(existing, final, MAX_PATH + 8, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        CloseHandle(existing);
    }
    WCHAR temp[MAX_PATH];
    wsprintfW(temp, L"%s.tmp", target);
    VARIANT where = pathVariant(temp);
    document->save(where);
    document->Release();
    HANDLE file = CreateFileW(temp, GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    FlushFileBuffers(file);
    CloseHandle(file);
    IXMLDOMDocument *check = bareDocument();
    VARIANT_BOOL loaded = VARIANT_FALSE;
    check->load(where, &loaded);
    check->Release();
    VariantClear(&where);
    // The platform's replace, which keeps the old file's attributes and
    // security as a save must, through a backup name so that a failed swap
    // leaves the old file findable; a first save has nothing to keep.
    WCHAR backup[MAX_PATH];
    wsprintfW(backup, L"%s.bak", target);
    if (ReplaceFileW(target, temp, backup, REPLACEFILE_WRITE_THROUGH, NULL, NULL))
        DeleteFileW(backup);
    else
        MoveFileExW(temp, target, MOVEFILE_WRITE_THROUGH);
}

void benchmark(int teams, HWND window, const WCHAR *folder, double *loadRatio, double *saveRatio)
{
    WCHAR file[MAX_PATH], ours[MAX_PATH], bare[MAX_PATH];
    wsprintfW(file, L"%s\\bench-%d.xml", folder, teams);
    wsprintfW(ours, L"%s\\bench-%d-ours.xml", folder, teams);
    wsprintfW(bare, L"%s\\bench-%d-bare.xml", folder, teams);

    Bracket bracket;
    initBracket(&bracket, GetModuleHandleW(NULL));
    buildBracket(&bracket, teams);
    lstrcpyW(bracket.title, L"Benchmark");
    for (int id = 1; id <= 2 * teams - 1; id++)
        benchSlotName(teams, id, bracket.nodeTable[id - 1]->name);
    saveBracketFile(&bracket, window, file);
    saveBracketFile(&bracket, window, ours);
    bareSave(teams, bare);

    double load[RUNS], floorLoad[RUNS], loadRatios[RUNS], save[RUNS], floorSave[RUNS], saveRatios[RUNS];
    measureOpenRounds(&bracket, window, file, teams, 0, RUNS, load, floorLoad, loadRatios);
    for (int run = 0; run < RUNS; run++) {
        for (int half = 0; half < 2; half++) {
            double start = nowMilliseconds();
            if ((run + half) % 2 == 0) {
                saveBracketFile(&bracket, window, ours);
                save[run] = nowMilliseconds() - start;
            } else {
                bareSave(teams, bare);
                floorSave[run] = nowMilliseconds() - start;
            }
        }
        saveRatios[run] = save[run] / floorSave[run];
    }
    resetBracket(&bracket);

    printf("%3d teams  load %8.2f ms  floor %8.2f ms\n", teams, median(load, RUNS), median(floorLoad, RUNS));
    printf("%3d teams  save %8.2f ms  floor %8.2f ms\n", teams, median(save, RUNS), median(floorSave, RUNS));
    *loadRatio = median(loadRatios, RUNS);
    *saveRatio = median(saveRatios, RUNS);
}

} // namespace

int main()
{
    CoInitialize(NULL);
    WCHAR folder[MAX_PATH];
    HWND window = openBenchWindow(folder);
    printf("medians of %d interleaved runs\n", RUNS);
    double load64, save64, load256, save256;
    benchmark(64, window, folder, &load64, &save64);
    benchmark(256, window, folder, &load256, &save256);
    printf("ratio load_64 %.2f goal 1.10\n", load64);
    printf("ratio load_256 %.2f goal 1.10\n", load256);
    printf("ratio save_64 %.2f goal 1.15\n", save64);
    printf("ratio save_256 %.2f goal 1.15\n", save256);
    DestroyWindow(window);
    CoUninitialize();
    return 0;
}
