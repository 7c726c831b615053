// The Windows half of the interoperability check (run_interop.sh drives it):
//   write <folder>  saves sample brackets with writeBracketFile, and beside
//                   each <name>.xml a <name>.expected of what it holds;
//   read <folder>   loads every other-*.xml another tool wrote with
//                   loadBracketFile and compares it with other-*.expected.
// An .expected file has lines "title <hex>", "teams <N>" and
// "slot <id> <hex>", texts as hex of their UTF-8 bytes, so no escaping of
// either side can hide a difference.
#include <windows.h>

#include <stdio.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "file/bracket_writer.h"
#include "model/bracket.h"
#include "res/resource.h"
#include "ui/window/layout.h"
#include "ui/document/open_bracket.h"
#include "ui/document/save_bracket.h"

namespace {

INT_PTR CALLBACK quietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

std::string hexUtf8(const std::wstring &text)
{
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), NULL, 0, NULL, NULL);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), &bytes[0], size, NULL, NULL);
    std::string hex;
    char pair[3];
    for (unsigned char c : bytes) {
        snprintf(pair, sizeof pair, "%02x", c);
        hex += pair;
    }
    return hex.empty() ? "-" : hex;
}

std::string utf8Path(const std::wstring &path)
{
    int size = WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, NULL, 0, NULL, NULL);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, &bytes[0], size, NULL, NULL);
    bytes.resize(size - 1);
    return bytes;
}

std::string describe(Bracket *bracket)
{
    std::string text = "title " + hexUtf8(bracket->title) + "\nteams " + std::to_string(bracket->slotCount) + "\n";
    for (int id = 1; id <= 2 * bracket->slotCount - 1; id++)
        text += "slot " + std::to_string(id) + " " + hexUtf8(bracket->nodeTable[id - 1]->name) + "\n";
    return text;
}

struct Sample {
    const WCHAR *file;
    int teams;
    std::wstring title;
};

const WCHAR *const NAMES[] = {
    L"A&B", L"<tag>", L"\"quoted\"", L"it's", L"\x4E2D\x6587\x968A", L"\xD83C\xDFC6 cup", L"", L"  spaced  ",
    L"tab\there", L"]]>", L"&amp;", L"\x00E9t\x00E9",
};

int writeSamples(const std::wstring &folder, HWND)
{
    Sample samples[] = {
        {L"sample-1", 1, L""},
        {L"sample-4", 4, L"  Spring \"Cup\" 'A' <&> \x4E2D\x6587 \xD83C\xDFC6 \t"},
        {L"sample-64", 64, std::wstring(253, L'x') + L"\xD83C\xDFC6"},
    };
    for (const Sample &sample : samples) {
        Bracket bracket;
        initBracket(&bracket, GetModuleHandleW(NULL));
        buildBracket(&bracket, sample.teams);
        lstrcpynW(bracket.title, sample.title.c_str(), TITLE_CAPACITY);
        for (int id = 1; id <= sample.teams; id++) {
            std::wstring name = id == 3 ? std::wstring(125, L'n') + L"\xD83C\xDFC6" : NAMES[id % 12];
            lstrcpynW(bracket.nodeTable[id - 1]->name, name.c_str(), NAME_CAPACITY);
        }
        for (int k = bracket.depth - 1; k >= 0; k--) {
            for (BracketNode *node = leftmostAtLevel(&bracket, k); node; node = nextInLevel(node))
                lstrcpyW(node->name, (node->id % 3) ? node->right->name : L"");
        }
        std::wstring path = folder + L"\\" + sample.file + L".xml";
        // Repeated names are the point of these samples: the writer itself,
        // not Save's questions about them.
        SaveReport report;
        int saved = writeBracketFile(&bracket, path.c_str(), &report);
        std::ofstream(utf8Path(folder + L"\\" + sample.file + L".expected"), std::ios::binary) << describe(&bracket);
        resetBracket(&bracket);
        if (!saved) {
            fprintf(stderr, "saving %ls failed\n", sample.file);
            return 1;
        }
    }
    return 0;
}

int readOthers(const std::wstring &folder, HWND window)
{
    int failures = 0, files = 0;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\other-*.xml").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        fprintf(stderr, "no files from the other tool in the folder\n");
        return 1;
    }
    do {
        files++;
        std::wstring path = folder + L"\\" + found.cFileName;
        std::wstring expectedPath = path.substr(0, path.size() - 4) + L".expected";
        std::ifstream expectedFile(utf8Path(expectedPath), std::ios::binary);
        std::stringstream expected;
        expected << expectedFile.rdbuf();
        Bracket bracket;
        initBracket(&bracket, GetModuleHandleW(NULL));
        if (!loadBracketFile(&bracket, window, path.c_str())) {
            fprintf(stderr, "%ls: refused\n", found.cFileName);
            failures++;
        } else if (describe(&bracket) != expected.str()) {
            fprintf(stderr, "%ls: read\n%s\nexpected\n%s\n", found.cFileName, describe(&bracket).c_str(),
                    expected.str().c_str());
            failures++;
        }
        resetBracket(&bracket);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    printf("%d files from the other tool read, %d differ\n", files, failures);
    return failures != 0;
}

} // namespace

int wmain(int argc, WCHAR **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: interop_samples write|read <folder>\n");
        return 2;
    }
    CoInitialize(NULL);
    HWND window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, quietDialogProc, 0);
    int result = lstrcmpW(argv[1], L"write") == 0 ? writeSamples(argv[2], window) : readOthers(argv[2], window);
    DestroyWindow(window);
    CoUninitialize();
    return result;
}
