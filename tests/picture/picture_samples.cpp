// The Windows half of the picture checks (run_picture_checks.sh and
// run_print_check.sh drive it); python decodes what it writes:
//   export <folder>     the real main window, File > Export picture through
//                       the Save dialog for a 4-team bracket, and the
//                       export routine for the other samples (a file with
//                       1 MiB names among them);
//   clipboard <folder>  Edit > Copy picture, then the clipboard's CF_DIB
//                       and PNG read back into clip.bmp and clip.png;
//   printer             installs a PostScript printer on FILE: as the
//                       prefix's default (run in a copy of the prefix);
//   print <folder>      File > Print through the print dialog; the page
//                       lands in <folder>\print.ps.
//   print-order <folder> File > Print order of play for 128 open matches
//                       of a 256-team bracket, the same way.
//   layouts <folder> <satellite>
//                       16- and 256-team brackets in English in every
//                       print layout, each into <folder>\<teams>-<layout>.ps;
//                       the 256-team poster's sheets 2 and 3 through
//                       File > Print as a user prints them, into
//                       <folder>\poster\FILE:.
//   export-file <file> <png> [<satellite>]
//                       a bracket file opened as the editor opens it and
//                       its picture exported, in the satellite's language
//                       where one is given (the README's pictures).
//   print-file <file> <folder> <satellite>
//                       the same file printed on the test printer in every
//                       layout, into <folder>\<layout>.ps.
#include <windows.h>
#include <dlgs.h>
#include <shlobj.h>
#include <winspool.h>

#include <stdio.h>

#include <string>

#include "model/losers_picks.h"
#include "model/match_result.h"
#include "model/bracket.h"
#include "res/resource.h"
#include "support/dialog_script.h"
#include "ui/common/document_state.h"
#include "ui/main_dialog.h"
#include "model/match_outcome.h"
#include "model/seeding.h"
#include "model/third_place.h"
#include "model/losers_bracket.h"
#include "ui/picture/picture_clipboard.h"
#include "ui/picture/picture_export.h"
#include "ui/common/print_setup.h"
#include "ui/print/print_picture.h"
#include "ui/document/open_bracket.h"

namespace {

const WCHAR *const MIXED_NAMES[] = {
    L"\x81FA\x5317\x96C4\x9DF9", L"Harbour City", L"\x9AD8\x96C4\x6D77\x8C5A", L"Riverside Rovers",
    L"\x53F0\x4E2D\x91D1\x5B89", L"Northgate United", L"\x6843\x5712\x98DB\x7FD4", L"Eastfield Eagles",
    L"\x65B0\x7AF9\x706B\x7130", L"Lakeside Lions", L"\x53F0\x5357\x7368\x89D2\x7378", L"Old Town Otters",
    L"\x57FA\x9686\x6D77\x9DD7", L"Summit Stars", L"\x5F70\x5316\x7375\x9DF9", L"West End Wanderers",
};

// Names the base slots from MIXED_NAMES (or "T<id>") and picks the left
// feeder everywhere above, so every box of a level but the first is full.
void fill(Bracket *bracket, bool mixed, bool picked)
{
    int n = bracket->slotCount;
    for (int id = 1; id <= n; id++) {
        if (mixed)
            lstrcpynW(bracket->nodeTable[id - 1]->name, MIXED_NAMES[(id - 1) % 16], NAME_CAPACITY);
        else
            wsprintfW(bracket->nodeTable[id - 1]->name, L"T%d", id);
    }
    if (!picked)
        return;
    for (int id = n + 1; id <= 2 * n - 1; id++) {
        BracketNode *node = bracket->nodeTable[id - 1];
        lstrcpyW(node->name, node->left->name);
    }
}

struct Window {
    Bracket bracket;
    DocumentState state = {};
    HWND handle;
    Window(int teams, const WCHAR *title)
    {
        initBracket(&bracket, GetModuleHandleW(NULL));
        state.bracket = &bracket;
        state.path[0] = 0;
        handle = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc,
                                    (LPARAM)&state);
        if (teams)
            buildBracket(&bracket, teams);
        lstrcpynW(bracket.title, title, TITLE_CAPACITY);
    }
    ~Window()
    {
        DestroyWindow(handle);
        resetBracket(&bracket);
    }
    // Runs a menu command as the menu sends it, answering its dialogs.
    bool command(WPARAM id, std::function<void(DialogScript &)> steps)
    {
        DialogScript script(handle, steps);
        SendMessageW(handle, WM_COMMAND, id, 0);
        std::string failures = script.finish();
        if (!failures.empty())
            fprintf(stderr, "command %d: %s\n", (int)id, failures.c_str());
        return failures.empty();
    }
};

bool writeBytes(const std::wstring &path, const void *bytes, size_t size)
{
    FILE *file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    bool ok = fwrite(bytes, 1, size, file) == size;
    return fclose(file) == 0 && ok;
}

// A bracket file whose title and first name are 1 MiB each, opened as the
// editor opens files, then exported.
int exportHugeNames(const std::wstring &folder)
{
    std::string huge(1 << 20, 'M');
    std::string xml = "<Games><Title>" + huge + "</Title><Teams>4</Teams><Team Name=\"" + huge + "\" id=\"1\"/>";
    for (int id = 2; id <= 7; id++)
        xml += "<Team Name=\"" + std::string(id <= 4 ? "T" + std::to_string(id) : "") + "\" id=\"" +
               std::to_string(id) + "\"/>";
    xml += "</Games>";
    std::wstring source = folder + L"\\huge.xml";
    if (!writeBytes(source, xml.data(), xml.size()))
        return fprintf(stderr, "cannot write huge.xml\n"), 1;
    Window window(0, L"");
    if (!loadBracketFile(&window.bracket, window.handle, source.c_str()))
        return fprintf(stderr, "huge.xml does not open\n"), 1;
    if (!exportPictureTo(window.handle, &window.bracket, (folder + L"\\huge.png").c_str()))
        return fprintf(stderr, "export of huge.xml failed\n"), 1;
    return 0;
}

// SVG files: one through the Save dialog, whose typed ".svg" wins over the
// PNG type it offers first, and two written directly: Chinese text, and
// names that XML must escape or cannot carry at all.
int exportSvgSamples(const std::wstring &folder)
{
    int failures = 0;
    {
        Window window(4, L"Four");
        fill(&window.bracket, false, true);
        if (!window.command(IDM_FILE_EXPORT_PICTURE,
                            [&](DialogScript &s) { s.chooseFile(s.next("the Save dialog"), folder + L"\\b4s.svg"); }))
            failures++;
    }
    {
        Window window(16, L"\x6625\x5B63\x806F\x8CFD Spring League 2026");
        fill(&window.bracket, true, true);
        failures += !exportPictureTo(window.handle, &window.bracket, (folder + L"\\b16-mixed.svg").c_str());
    }
    // Seeded names that fill their boxes and a title wider than the
    // picture.
    {
        Window window(8, L"The Northern Counties Open Championship of 2026, Men's and Women's Singles Draw");
        const WCHAR *names[] = {L"Isabella Rossi-Fernandez", L"David Lindqvist-Sandberg", L"Wim", L"Maximilian Oberhauser",
                                L"Lim", L"Mmmmmmmmmmmmmmmmmmmm", L"Iiiiiiiiiiiiiiiiiiiiiiiiii", L"WWWWWWWWWWWWWWW"};
        for (int id = 1; id <= 8; id++) {
            lstrcpyW(window.bracket.nodeTable[id - 1]->name, names[id - 1]);
            window.bracket.nodeTable[id - 1]->seed = id == 1 ? 9 : id;
        }
        failures += !exportPictureTo(window.handle, &window.bracket, (folder + L"\\seeded.svg").c_str());
    }
    Window window(8, L"Hostile");
    fill(&window.bracket, false, true);
    lstrcpyW(window.bracket.nodeTable[0]->name, L"<script>alert(\"&\")</script>");
    lstrcpyW(window.bracket.nodeTable[1]->name, L"A\x0001" L"B");
    failures += !exportPictureTo(window.handle, &window.bracket, (folder + L"\\hostile.svg").c_str());
    if (failures)
        fprintf(stderr, "%d SVG exports failed\n", failures);
    return failures;
}

int exportSamples(const std::wstring &folder)
{
    int failures = 0;
    {
        Window window(4, L"Four");
        fill(&window.bracket, false, true);
        // Typed without an extension: the dialog adds ".png".
        if (!window.command(IDM_FILE_EXPORT_PICTURE,
                            [&](DialogScript &s) { s.chooseFile(s.next("the Save dialog"), folder + L"\\b4"); }))
            failures++;
    }
    struct Sample {
        const WCHAR *file;
        int teams;
        bool mixed, picked;
        const WCHAR *title;
    } samples[] = {
        {L"b1.png", 1, false, false, L"One"},
        {L"b2.png", 2, false, true, L"Two"},
        {L"b8.png", 8, false, true, L"Eight"},
        {L"b16.png", 16, false, true, L"Sixteen"},
        {L"b16-mixed.png", 16, true, true, L"\x6625\x5B63\x806F\x8CFD Spring League 2026"},
        {L"b32.png", 32, false, true, L"Thirty-two"},
        {L"b256.png", 256, true, true, L"Two hundred and fifty-six"},
        {L"b16-empty.png", 16, false, false, L""},
    };
    for (const Sample &sample : samples) {
        Window window(sample.teams, sample.title);
        fill(&window.bracket, sample.mixed, sample.picked);
        if (!exportPictureTo(window.handle, &window.bracket, (folder + L"\\" + sample.file).c_str())) {
            fprintf(stderr, "export of %ls failed\n", sample.file);
            failures++;
        }
    }
    // Results under their winners, the third-place match under the final
    // and the places under the champion.
    {
        Window window(8, L"Eight, played");
        fill(&window.bracket, false, true);
        const WCHAR *results[] = {L"6:3 6:4", L"2-1 a.e.t.", L"", L"3-0", L"7:6 3:6 2:1", L"1-0", L"4-2 pen."};
        const int outcomes[] = {OUTCOME_PLAYED, OUTCOME_PLAYED, OUTCOME_WALKOVER, OUTCOME_PLAYED,
                                OUTCOME_RETIRED, OUTCOME_PLAYED, OUTCOME_PLAYED};
        for (int id = 9; id <= 15; id++) {
            BracketNode *node = window.bracket.nodeTable[id - 1];
            setMatchOutcome(&window.bracket, node, node->name, results[id - 9], outcomes[id - 9]);
        }
        setThirdPlaceOn(&window.bracket, 1);
        const WCHAR *loser = semiFinalLoser(&window.bracket, 1);
        setMatchResult(&window.bracket, &window.bracket.thirdPlace, loser ? loser : L"", L"2:1");
        if (!exportPictureTo(window.handle, &window.bracket, (folder + L"\\b8-results.png").c_str())) {
            fprintf(stderr, "export with results failed\n");
            failures++;
        }
        // The same as SVG with the third-place match open again and given
        // a court: the marks are texts of the one description.
        setMatchResult(&window.bracket, &window.bracket.thirdPlace, L"", L"");
        setMatchSchedule(&window.bracket, &window.bracket.thirdPlace, L"Court 2", L"2026-12-08T14:30");
        failures += !exportPictureTo(window.handle, &window.bracket, (folder + L"\\b8-results.svg").c_str());
    }
    // Double elimination: the winners' bracket played, the losers' bracket
    // part-way, the grand final still to come.
    {
        Window window(8, L"Eight, double");
        fill(&window.bracket, false, true);
        prepareLosersBracket(&window.bracket);
        setDoubleEliminationOn(&window.bracket, 1);
        for (int k = 1; k <= 5; k++) {
            const WCHAR *first, *second;
            losersEntrants(&window.bracket, losersMatch(&window.bracket, k), &first, &second);
            setMatchResult(&window.bracket, losersMatch(&window.bracket, k), k % 2 ? first : second,
                           k == 2 ? L"7:5 6:4" : L"");
        }
        setMatchSchedule(&window.bracket, losersMatch(&window.bracket, 6), L"Court 2", L"2026-12-08T15:30");
        failures += !exportPictureTo(window.handle, &window.bracket, (folder + L"\\b8-double.png").c_str());
    }
    // Six entrants in eight slots: seeds 1 and 2 meet a bye, the rest is
    // played, with results in the first round.
    {
        Window window(0, L"Six, two byes");
        buildBracketFromList(&window.bracket, L"One\nTwo\nThree\nFour\nFive\nSix", PLACE_SEEDED, NULL, NULL);
        for (int id : {10, 11, 13, 14, 15})
            setMatchResult(&window.bracket, window.bracket.nodeTable[id - 1],
                           window.bracket.nodeTable[id - 1]->left->name, id <= 11 ? L"6:4 6:4" : L"");
        failures += !exportPictureTo(window.handle, &window.bracket, (folder + L"\\b8-byes.png").c_str());
    }
    // The longest names and title the model holds, wide letters and CJK.
    Window window(16, L"");
    for (int i = 0; i < TITLE_CAPACITY - 1; i++)
        window.bracket.title[i] = L'W';
    window.bracket.title[TITLE_CAPACITY - 1] = 0;
    for (int id = 1; id <= 31; id++) {
        BracketNode *node = window.bracket.nodeTable[id - 1];
        for (int i = 0; i < NAME_CAPACITY - 1; i++)
            node->name[i] = (id % 2) ? L'W' : (WCHAR)(0x4E2D + i % 50);
        node->name[NAME_CAPACITY - 1] = 0;
    }
    if (!exportPictureTo(window.handle, &window.bracket, (folder + L"\\long.png").c_str())) {
        fprintf(stderr, "export with long names failed\n");
        failures++;
    }
    return failures + exportHugeNames(folder);
}

int clipboardSample(const std::wstring &folder)
{
    Window window(16, L"Sixteen");
    fill(&window.bracket, false, true);
    if (!window.command(IDM_EDIT_COPY_PICTURE, [](DialogScript &) {}))
        return 1;
    if (!OpenClipboard(window.handle))
        return fprintf(stderr, "clipboard does not open\n"), 1;
    int failures = 0;
    HGLOBAL dib = GetClipboardData(CF_DIB);
    HGLOBAL png = GetClipboardData(RegisterClipboardFormatW(L"PNG"));
    if (!dib || !png) {
        fprintf(stderr, "clipboard lacks %s\n", dib ? "PNG" : "CF_DIB");
        failures++;
    } else {
        // A .bmp file is the clipboard's DIB behind a 14-byte file header.
        SIZE_T dibSize = GlobalSize(dib);
        const BITMAPINFOHEADER *header = (const BITMAPINFOHEADER *)GlobalLock(dib);
        BITMAPFILEHEADER file = {};
        file.bfType = 0x4D42;
        file.bfSize = (DWORD)(sizeof file + dibSize);
        file.bfOffBits = sizeof file + header->biSize;
        std::string bmp((const char *)&file, sizeof file);
        bmp.append((const char *)header, dibSize);
        GlobalUnlock(dib);
        failures += !writeBytes(folder + L"\\clip.bmp", bmp.data(), bmp.size());
        failures += !writeBytes(folder + L"\\clip.png", GlobalLock(png), GlobalSize(png));
        GlobalUnlock(png);
    }
    CloseClipboard();
    return failures;
}

// Wine's generic PostScript description, shipped inside winspool.drv, as
// the driver's data file; the printer writes to FILE:.
int installPrinter()
{
    WCHAR driverDir[MAX_PATH];
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(NULL, NULL, 1, (BYTE *)driverDir, sizeof driverDir, &needed))
        return fprintf(stderr, "no driver directory: %lu\n", GetLastError()), 1;
    std::wstring ppd = std::wstring(driverDir) + L"\\generic.ppd";
    HMODULE spool = LoadLibraryExW(L"winspool.drv", NULL, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = spool ? FindResourceW(spool, MAKEINTRESOURCEW(1), L"PPDFILE") : NULL;
    HGLOBAL data = resource ? LoadResource(spool, resource) : NULL;
    if (!data)
        return fprintf(stderr, "no generic PPD in winspool.drv\n"), 1;
    SHCreateDirectoryExW(NULL, driverDir, NULL);
    if (!writeBytes(ppd, LockResource(data), SizeofResource(spool, resource)))
        return fprintf(stderr, "cannot write the PPD\n"), 1;
    DRIVER_INFO_3W driver = {};
    driver.cVersion = 3;
    driver.pName = (WCHAR *)L"Wine PostScript Driver";
    driver.pDriverPath = (WCHAR *)L"wineps.drv";
    driver.pDataFile = (WCHAR *)ppd.c_str();
    driver.pConfigFile = (WCHAR *)L"wineps.drv";
    if (!AddPrinterDriverW(NULL, 3, (BYTE *)&driver))
        return fprintf(stderr, "AddPrinterDriverW: %lu\n", GetLastError()), 1;
    PRINTER_INFO_2W printer = {};
    printer.pPrinterName = (WCHAR *)L"Duelmark Test Printer";
    printer.pPortName = (WCHAR *)L"FILE:";
    printer.pDriverName = driver.pName;
    printer.pPrintProcessor = (WCHAR *)L"WinPrint";
    printer.pDatatype = (WCHAR *)L"RAW";
    HANDLE handle = AddPrinterW(NULL, 2, (BYTE *)&printer);
    if (!handle)
        return fprintf(stderr, "AddPrinterW: %lu\n", GetLastError()), 1;
    ClosePrinter(handle);
    if (!SetDefaultPrinterW(printer.pPrinterName))
        return fprintf(stderr, "SetDefaultPrinterW: %lu\n", GetLastError()), 1;
    return 0;
}

int printSample(const std::wstring &folder)
{
    Window window(16, L"Sixteen");
    fill(&window.bracket, false, true);
    // The port is FILE:, so the page goes where the current folder is.
    SetCurrentDirectoryW(folder.c_str());
    return window.command(IDM_FILE_PRINT, [](DialogScript &s) {
        // One page, the layout every session starts with.
        s.press(s.next("the print layout"), IDOK);
        HWND dialog = s.next("the print dialog");
        if (dialog) {
            fprintf(stderr, "print dialog \"%s\" %s\n", DialogScript::narrow(DialogScript::caption(dialog)).c_str(),
                    DialogScript::narrow(DialogScript::messageText(dialog)).c_str());
            s.press(dialog, IDOK);
        }
    }) ? 0 : 1;
}

// The first round of 256 entrants: 128 matches, more than a page holds.
int printOrderSample(const std::wstring &folder)
{
    Window window(256, L"Two hundred and fifty-six");
    fill(&window.bracket, true, false);
    SetCurrentDirectoryW(folder.c_str());
    return window.command(IDM_FILE_PRINT_ORDER, [](DialogScript &s) {
        HWND dialog = s.next("the print dialog");
        if (dialog)
            s.press(dialog, IDOK);
    }) ? 0 : 1;
}

// Straight onto the test printer (portrait A4, its defaults), one file
// per layout; the 256-team poster's sheets 2 and 3 also through the commands.
int printLayouts(const std::wstring &folder, const std::wstring &satellite)
{
    HMODULE english = LoadLibraryExW(satellite.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    if (!english)
        return fprintf(stderr, "the English satellite does not load\n"), 1;
    const WCHAR *names[] = {L"one", L"halves", L"poster"};
    int failures = 0;
    for (int teams : {16, 256}) {
        std::wstring title = L"Wall chart " + std::to_wstring(teams);
        Window window(teams, title.c_str());
        fill(&window.bracket, false, true);
        window.bracket.resourceModule = english;
        for (int layout : {LAYOUT_ONE_PAGE, LAYOUT_HALVES, LAYOUT_POSTER}) {
            HDC printer = CreateDCW(L"WINSPOOL", L"Duelmark Test Printer", NULL, NULL);
            PrintSetup setup = {};
            setup.layout = layout;
            std::wstring file = folder + L"\\" + std::to_wstring(teams) + L"-";
            file += std::wstring(names[layout]) + L".ps";
            if (!printer || !printLayoutOnDevice(&window.bracket, printer, &setup, &ALL_PAGES, file.c_str())) {
                fprintf(stderr, "%d teams, %ls: not printed (%lu)\n", teams, names[layout], GetLastError());
                failures++;
            }
            if (printer)
                DeleteDC(printer);
        }
        if (teams != 256)
            continue;
        // The port is FILE:, so the pages go where the current folder is.
        std::wstring poster = folder + L"\\poster";
        CreateDirectoryW(poster.c_str(), NULL);
        SetCurrentDirectoryW(poster.c_str());
        failures += !window.command(IDM_FILE_PRINT, [](DialogScript &s) {
            HWND layouts = s.next("the print layout");
            if (layouts)
                SendMessageW(GetDlgItem(layouts, IDC_LAYOUT_POSTER), BM_CLICK, 0, 0);
            s.press(layouts, IDOK);
            // Sheets 2 and 3 alone, as after a jam.
            HWND dialog = s.next("the print dialog");
            if (dialog) {
                SendMessageW(GetDlgItem(dialog, rad3), BM_CLICK, 0, 0);
                s.type(GetDlgItem(dialog, edt1), L"2");
                s.type(GetDlgItem(dialog, edt2), L"3");
            }
            s.press(dialog, IDOK);
        });
    }
    return failures;
}

int exportFile(const std::wstring &source, const std::wstring &target, const WCHAR *satellite)
{
    HMODULE language = satellite ? LoadLibraryExW(satellite, NULL, LOAD_LIBRARY_AS_DATAFILE) : NULL;
    if (satellite && !language)
        return fprintf(stderr, "the satellite does not load\n"), 1;
    Window window(0, L"");
    if (!loadBracketFile(&window.bracket, window.handle, source.c_str()))
        return fprintf(stderr, "%ls does not open\n", source.c_str()), 1;
    if (language)
        window.bracket.resourceModule = language;
    if (!exportPictureTo(window.handle, &window.bracket, target.c_str()))
        return fprintf(stderr, "export of %ls failed\n", source.c_str()), 1;
    return 0;
}

int printFile(const std::wstring &source, const std::wstring &folder, const std::wstring &satellite)
{
    HMODULE language = LoadLibraryExW(satellite.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    Window window(0, L"");
    if (!language || !loadBracketFile(&window.bracket, window.handle, source.c_str()))
        return fprintf(stderr, "%ls does not open\n", source.c_str()), 1;
    window.bracket.resourceModule = language;
    const WCHAR *names[] = {L"one", L"halves", L"poster"};
    int failures = 0;
    for (int layout : {LAYOUT_ONE_PAGE, LAYOUT_HALVES, LAYOUT_POSTER}) {
        HDC printer = CreateDCW(L"WINSPOOL", L"Duelmark Test Printer", NULL, NULL);
        PrintSetup setup = {};
        setup.layout = layout;
        std::wstring file = folder + L"\\" + names[layout] + L".ps";
        if (!printer || !printLayoutOnDevice(&window.bracket, printer, &setup, &ALL_PAGES, file.c_str())) {
            fprintf(stderr, "%ls: not printed (%lu)\n", names[layout], GetLastError());
            failures++;
        }
        if (printer)
            DeleteDC(printer);
    }
    return failures;
}

} // namespace

int wmain(int argc, WCHAR **argv)
{
    if (argc < 2)
        return 2;
    CoInitialize(NULL);
    std::wstring mode = argv[1], folder = argc > 2 ? argv[2] : L".";
    int failures = 2;
    if (mode == L"export")
        failures = exportSamples(folder) + exportSvgSamples(folder);
    else if (mode == L"clipboard")
        failures = clipboardSample(folder);
    else if (mode == L"printer")
        failures = installPrinter();
    else if (mode == L"print")
        failures = printSample(folder);
    else if (mode == L"print-order")
        failures = printOrderSample(folder);
    else if (mode == L"export-file" && argc > 3)
        failures = exportFile(argv[2], argv[3], argc > 4 ? argv[4] : NULL);
    else if (mode == L"print-file" && argc > 4)
        failures = printFile(argv[2], argv[3], argv[4]);
    else if (mode == L"layouts" && argc > 3)
        failures = printLayouts(folder, argv[3]);
    CoUninitialize();
    return failures ? 1 : 0;
}
