// The shipped executable among hostile neighbours: a satellite whose every
// text is a format attack, and probe libraries planted beside it under the
// names of the system libraries it loads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/build_paths.h"
#include "support/editor_process.h"
#include "support/temp_folder.h"

namespace {

const char SIXTEEN_WITH_A_BAD_PICK[] =
    "<Games><Title>Cup</Title><Teams>16</Teams><Team Name=\"A\" id=\"1\"/><Team Name=\"B\" id=\"2\"/>"
    "<Team Name=\"Nobody\" id=\"17\"/></Games>";
const char SIXTEEN[] = "<Games><Title>Cup</Title><Teams>16</Teams><Team Name=\"A\" id=\"1\"/></Games>";

// A copy of duelmark.exe and its English satellite in folder.
std::wstring copyEditor(const TempFolder &folder)
{
    std::wstring program = folder.file(L"duelmark.exe");
    EXPECT_TRUE(CopyFileW(editorPath().c_str(), program.c_str(), FALSE));
    EXPECT_TRUE(CopyFileW(dosPathOf(DUELMARK_SATELLITE).c_str(), (program + L".mui").c_str(), FALSE));
    return program;
}

// Every string block of the satellite, every one of its 16 strings made text.
bool rewriteEveryString(const std::wstring &satellite, const std::wstring &text)
{
    std::vector<WORD> blocks;
    HMODULE module = LoadLibraryExW(satellite.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return false;
    EnumResourceNamesW(module, RT_STRING, [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
        ((std::vector<WORD> *)found)->push_back((WORD)(ULONG_PTR)name);
        return TRUE;
    }, (LONG_PTR)&blocks);
    FreeLibrary(module);
    std::vector<WORD> block;
    for (int i = 0; i < 16; i++) {
        block.push_back((WORD)text.size());
        block.insert(block.end(), text.begin(), text.end());
    }
    HANDLE update = BeginUpdateResourceW(satellite.c_str(), FALSE);
    if (!update || blocks.empty())
        return false;
    for (WORD id : blocks)
        UpdateResourceW(update, RT_STRING, MAKEINTRESOURCEW(id), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                        block.data(), (DWORD)(block.size() * sizeof(WORD)));
    return EndUpdateResourceW(update, FALSE) != 0;
}

// Presses a button on whatever box or dialog shows next and returns its text.
std::wstring answer(DialogScript &s, const char *expected, int button)
{
    HWND box = s.next(expected);
    std::wstring text = box ? DialogScript::messageText(box) : L"";
    s.press(box, button);
    return text;
}

// Every command that shows a text, with a satellite whose every text is
// "%s%s%n%1%9": the program shows the texts with the inserts it has and
// keeps running.
TEST(HostileSatellite, EveryTextIsAFormatAttackAndEveryCommandStillRuns)
{
    const std::wstring attack = L"%s%s%n%1%9";
    TempFolder folder;
    Editor editor;
    editor.program = copyEditor(folder);
    ASSERT_TRUE(rewriteEveryString(editor.program + L".mui", attack));
    writeFileBytes(folder.file(L"cup.xml"), SIXTEEN_WITH_A_BAD_PICK);

    ASSERT_TRUE(editor.start(quotedArgument(folder.file(L"missing.xml"))));
    DialogScript opening(editor.process.dwProcessId, [&](DialogScript &s) {
        EXPECT_EQ(folder.file(L"missing.xml") + L"%n" + folder.file(L"missing.xml"),
                  answer(s, "the open failure", IDOK));
        // The main window is a dialog of the process too: it is expected
        // next, not answered.
        s.handled(s.next("the main window"));
    });
    ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark"));
    EXPECT_EQ("", opening.finish());

    EXPECT_EQ("", editor.command(IDM_FILE_OPEN, [&](DialogScript &s) {
        s.chooseFile(s.next("the Open dialog"), folder.file(L"cup.xml"));
        answer(s, "the invalid-picks question", IDYES);
    }));
    EXPECT_EQ(L"Cup%nCup", DialogScript::caption(editor.window)) << "the caption takes the title as insert 1";
    EXPECT_EQ("", editor.command(IDM_FILE_EXPORT_PICTURE, [&](DialogScript &s) {
        s.chooseFile(s.next("the Save dialog for the picture"), folder.file(L"cup.png"));
    })) << "round headings drawn from the attack";
    EXPECT_TRUE(fileExists(folder.file(L"cup.png")));
    SetFileAttributesW(folder.file(L"cup.png").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ("", editor.command(IDM_FILE_EXPORT_PICTURE, [&](DialogScript &s) {
        s.chooseFile(s.next("the Save dialog for the picture"), folder.file(L"cup.png"));
        answer(s, "the question to replace the file", IDYES);
        answer(s, "the export failure", IDOK);
    }));
    SetFileAttributesW(folder.file(L"cup.png").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("", editor.command(IDM_EDIT_COPY_PICTURE));
    SetFileAttributesW(folder.file(L"cup.xml").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ("", editor.command(IDM_FILE_SAVE, [&](DialogScript &s) { answer(s, "the save failure", IDOK); }));
    SetFileAttributesW(folder.file(L"cup.xml").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("", editor.command(IDCANCEL, [&](DialogScript &s) { answer(s, "the save-changes question", IDNO); }));
    EXPECT_TRUE(editor.endedCleanly()) << "the program must end normally, not crash";
}

// The libraries the process loads after start-up, found with Wine's loader
// trace (WINEDEBUG=+loaddll) across start-up, New, the Open and Save
// dialogs, export, copy, the print dialog and a drop. Those it imports
// itself are protected on Windows (kernel32, user32, gdi32, ole32,
// oleaut32, advapi32) or come side by side (comctl32).
const WCHAR *const LOADED_LIBRARIES[] = {
    L"comdlg32", L"shell32", L"shlwapi", L"shcore", L"uxtheme", L"msimg32", L"version", L"compstui",
    L"winspool.drv", L"msxml3", L"windowscodecs", L"imm32", L"dwmapi", L"propsys", L"cryptbase", L"comctl32",
};

// Each name planted beside a copy of the executable, with native libraries
// preferred as Windows does for names it does not protect: no probe runs.
TEST(PlantedLibraries, NoProbeBesideTheExecutableRuns)
{
    TempFolder folder;
    Editor editor;
    editor.program = copyEditor(folder);
    std::wstring overrides;
    for (const WCHAR *name : LOADED_LIBRARIES) {
        std::wstring file = name;
        if (file.find(L'.') == std::wstring::npos)
            file += L".dll";
        ASSERT_TRUE(CopyFileW(dosPathOf(PLANTED_PROBE).c_str(), folder.file(file).c_str(), FALSE));
        overrides += (overrides.empty() ? L"" : L",") + std::wstring(name);
    }
    writeFileBytes(folder.file(L"cup.xml"), SIXTEEN);
    SetEnvironmentVariableW(L"WINEDLLOVERRIDES", (overrides + L"=n,b;mscoree,mshtml=").c_str());
    bool started = editor.start(quotedArgument(folder.file(L"cup.xml")), folder.path);
    SetEnvironmentVariableW(L"WINEDLLOVERRIDES", L"mscoree,mshtml=");
    ASSERT_TRUE(started);
    ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark - Cup"));
    EXPECT_EQ("", editor.command(IDM_FILE_EXPORT_PICTURE, [&](DialogScript &s) {
        s.chooseFile(s.next("the Save dialog for the picture"), folder.file(L"cup.png"));
    }));
    EXPECT_EQ("", editor.command(IDM_EDIT_COPY_PICTURE));
    editor.command(IDM_FILE_PRINT, [&](DialogScript &s) { answer(s, "the print dialog", IDCANCEL); });
    EXPECT_EQ("", editor.command(IDM_FILE_OPEN, [&](DialogScript &s) { answer(s, "the Open dialog", IDCANCEL); }));
    EXPECT_EQ("", editor.command(IDM_FILE_SAVE_AS, [&](DialogScript &s) {
        s.chooseFile(s.next("the Save dialog"), folder.file(L"saved.xml"));
    }));
    EXPECT_EQ("", editor.command(IDM_FILE_NEW, [&](DialogScript &s) { answer(s, "the setup dialog", IDCANCEL); }));
    EXPECT_EQ("", editor.command(IDCANCEL));
    EXPECT_TRUE(editor.endedCleanly());
    EXPECT_TRUE(fileExists(folder.file(L"saved.xml"))) << "the session really ran";
    for (const WCHAR *name : LOADED_LIBRARIES) {
        std::wstring file = name;
        if (file.find(L'.') == std::wstring::npos)
            file += L".dll";
        EXPECT_FALSE(fileExists(folder.file(file + L".loaded"))) << "the planted " << DialogScript::narrow(file) << " ran";
    }
}

} // namespace
