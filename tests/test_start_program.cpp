// The shipped duelmark.exe: what it imports and how big it is, and whole
// sessions run against it as its own process, driven from here only through
// window messages, as a user would drive it.
#include <gtest/gtest.h>
#include <wincodec.h>

#include <algorithm>
#include <string>
#include <vector>

#include "res/resource.h"
#include "support/dialog_script.h"
#include "support/editor_process.h"
#include "support/temp_folder.h"
#include "support/sample_brackets.h"
#include "ui/picture/bracket_picture.h"

namespace {

// A copy of the four-team cup in folder, as cup.xml.
std::wstring cupIn(TempFolder &folder)
{
    std::wstring file = folder.file(L"cup.xml");
    writeFileBytes(file, CUP_XML);
    return file;
}

std::vector<std::string> importedLibraries(const std::string &image)
{
    std::vector<std::string> names;
    const IMAGE_DOS_HEADER *dos = (const IMAGE_DOS_HEADER *)image.data();
    const IMAGE_NT_HEADERS64 *nt = (const IMAGE_NT_HEADERS64 *)(image.data() + dos->e_lfanew);
    const IMAGE_SECTION_HEADER *sections = IMAGE_FIRST_SECTION(nt);
    auto offsetOf = [&](DWORD rva) -> size_t {
        for (int i = 0; i < nt->FileHeader.NumberOfSections; i++) {
            const IMAGE_SECTION_HEADER &s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return 0;
    };
    DWORD importRva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    const IMAGE_IMPORT_DESCRIPTOR *import = (const IMAGE_IMPORT_DESCRIPTOR *)(image.data() + offsetOf(importRva));
    for (; import->Name; import++) {
        std::string name = image.data() + offsetOf(import->Name);
        std::transform(name.begin(), name.end(), name.begin(), ::tolower);
        names.push_back(name);
    }
    return names;
}

TEST(ShippedExecutable, ImportsOnlySystemLibrariesAndIsSmall)
{
    ASSERT_TRUE(fileExists(editorPath())) << "duelmark.exe was not built";
    std::string image = readFileBytes(editorPath());
    EXPECT_LE(image.size(), 256u * 1024) << "the executable should stay within 256 KiB";
    const IMAGE_DOS_HEADER *dos = (const IMAGE_DOS_HEADER *)image.data();
    const IMAGE_NT_HEADERS64 *nt = (const IMAGE_NT_HEADERS64 *)(image.data() + dos->e_lfanew);
    EXPECT_EQ(IMAGE_FILE_MACHINE_AMD64, nt->FileHeader.Machine);
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, nt->OptionalHeader.Subsystem);

    // advapi32: the system's cryptographic random source, for the draw.
    // comdlg32 and shell32 are not among them: they are loaded when a file
    // or print dialog first opens or a file is first dropped, since every
    // start would otherwise pay for them and the libraries they bring.
    const char *allowed[] = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll",
                             "ole32.dll", "oleaut32.dll", "advapi32.dll"};
    std::vector<std::string> imports = importedLibraries(image);
    EXPECT_FALSE(imports.empty());
    for (const std::string &name : imports) {
        bool known = std::find(std::begin(allowed), std::end(allowed), name) != std::end(allowed);
        EXPECT_TRUE(known) << "duelmark.exe imports " << name << "; only system libraries are expected, "
                           << "no C runtime (msvcrt, ucrtbase, api-ms-win-crt-*, libgcc, libstdc++)";
    }
}


TEST(EditorProcess, AQuotedFileArgumentWithSpacesOpensAtStart)
{
    TempFolder folder;
    std::wstring file = folder.file(L"spring cup.xml");
    writeFileBytes(file, CUP_XML);
    Editor editor;
    ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Cup")) << "the file named on the command line must open";
    std::vector<HWND> edits = editor.baseEdits();
    ASSERT_EQ(4u, edits.size());
    EXPECT_EQ(L"A", Editor::text(edits[0]));
    EXPECT_EQ(L"D", Editor::text(edits[3]));
    EXPECT_TRUE(GetWindowLongW(edits[0], GWL_STYLE) & ES_READONLY) << "a loaded bracket's base slots are locked";
    EXPECT_EQ(L"A", Editor::text(editor.picks()[0]));
    PostMessageW(editor.window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(editor.endedCleanly()) << "the close box ends an unchanged bracket at once, with exit code 0";
}

TEST(EditorProcess, AnUnquotedArgumentOpensAndLaterTokensAreIgnored)
{
    TempFolder folder;
    std::wstring file = cupIn(folder);
    Editor editor;
    ASSERT_TRUE(editor.start(L" " + file + L" ignored.xml"));
    ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark - Cup"));
    EXPECT_EQ("", editor.command(IDCANCEL));
    EXPECT_TRUE(editor.endedCleanly());
}

bool contains(const std::wstring &text, const std::wstring &part)
{
    return text.find(part) != std::wstring::npos;
}

// Named at start-up, a file that cannot be opened gets one message naming
// it and saying why, and the window comes up empty. A name longer than the
// program keeps is refused whole even where its cut form is a bracket file,
// and files too large or too dense for any bracket are refused without the
// window hanging.
TEST(EditorProcess, AStartUpFileThatCannotBeOpenedIsNamedWithTheReason)
{
    TempFolder folder;
    std::wstring foreign = folder.file(L"notes.xml");
    writeFileBytes(foreign, "<Notes>not a bracket</Notes>");
    std::wstring cut = folder.file(L"");
    cut += std::wstring(259 - cut.size(), L'c');
    writeFileBytes(cut, CUP_XML);
    std::string tiny = "<Games>";
    while (tiny.size() < ((size_t)63 << 20))
        tiny += "<a/><b/><c/><d/>";
    writeFileBytes(folder.file(L"tiny.xml"), tiny + "</Games>");
    std::string bigName = "<Games><Title>Cup</Title><Teams>2</Teams><Team Name=\"" + std::string(20000000, 'n') +
                          "\" id=\"1\"/></Games>";
    writeFileBytes(folder.file(L"big name.xml"), bigName);
    struct {
        std::wstring file;
        int reason;
    } cases[] = {{folder.file(L"no such file.xml"), 0},
                 {foreign, 1},
                 {cut + L"up.xml", 2},
                 {folder.file(L"tiny.xml"), 3},
                 {folder.file(L"big name.xml"), 3}};
    std::vector<std::wstring> reasons(4);
    DWORD missingShownAfter = 0;
    for (const auto &c : cases) {
        Editor editor;
        std::wstring text;
        DWORD shownAfter = 0;
        DWORD start = GetTickCount();
        ASSERT_TRUE(editor.start(quotedArgument(c.file)));
        DialogScript script(editor.process.dwProcessId, [&](DialogScript &s) {
            HWND box = s.next("the message for a file that cannot be opened");
            shownAfter = GetTickCount() - start;
            text = box ? DialogScript::messageText(box) : L"";
            s.press(box, IDOK);
            // The main window is a dialog of the process too: expected next,
            // not answered.
            s.handled(s.next("the main window"));
        });
        EXPECT_EQ("", script.finish());
        ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark"));
        ASSERT_NE(nullptr, GetDlgItem(editor.window, IDC_PARKED_BUTTON)) << DialogScript::narrow(c.file);
        ASSERT_TRUE(contains(text, c.file)) << "the message names the whole file: " << DialogScript::narrow(text);
        std::wstring reason = text.substr(text.find(c.file) + c.file.size());
        EXPECT_TRUE(reasons[c.reason].empty() || reasons[c.reason] == reason);
        reasons[c.reason] = reason;
        // Measured against the missing file's message, which reads nothing:
        // the start of a process alone can take seconds on a busy machine.
        // Parsing the large files would take minutes, far beyond the margin.
        if (c.reason == 0 && !missingShownAfter)
            missingShownAfter = shownAfter;
        EXPECT_LT(shownAfter, missingShownAfter + 20000u) << "the message came late for " << DialogScript::narrow(c.file);
        EXPECT_TRUE(editor.baseEdits().empty()) << "nothing opened in its place";
        EXPECT_EQ("", editor.command(IDCANCEL));
        EXPECT_TRUE(editor.endedCleanly());
    }
    for (int i = 0; i < 4; i++)
        for (int j = i + 1; j < 4; j++)
            EXPECT_NE(reasons[i], reasons[j]) << "each reason has its own words: " << i << " and " << j;
}

// A whole session: a new bracket typed and picked, saved, reopened from the
// command line and compared, then changed and left with and without saving.
TEST(EditorProcess, NewTypePickSaveReopenAndExitWithAndWithoutTheQuestion)
{
    TempFolder folder;
    std::wstring target = folder.file(L"derby final");
    {
        Editor editor;
        ASSERT_TRUE(editor.start(L""));
        ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark"));
        EXPECT_EQ("", editor.command(IDM_FILE_NEW, [](DialogScript &s) {
            HWND setup = s.next("the setup dialog");
            SendDlgItemMessageW(setup, IDC_TEAMS_COMBO, CB_SETCURSEL, 0, 0);
            s.type(GetDlgItem(setup, IDC_TITLE_EDIT), L"Derby \u8cfd");
            s.press(setup, IDC_SETUP_OK);
        }));
        EXPECT_EQ(L"Duelmark - Derby \u8cfd", DialogScript::caption(editor.window));
        std::vector<HWND> edits = editor.baseEdits();
        ASSERT_EQ(4u, edits.size());
        const WCHAR *teams[] = {L"Ann", L"Bea", L"Cat", L"Dee"};
        for (int i = 0; i < 4; i++)
            SendMessageW(edits[i], WM_SETTEXT, 0, (LPARAM)teams[i]);
        std::vector<HWND> picks = editor.picks();
        ASSERT_EQ(3u, picks.size());
        editor.pick(picks[0], L"Bea");
        editor.pick(picks[1], L"Dee");
        editor.pick(picks[2], L"Dee");
        EXPECT_EQ("", editor.command(IDM_FILE_SAVE, [&](DialogScript &s) {
            HWND save = s.next("the Save dialog");
            s.chooseFile(save, target);
        }));
        EXPECT_TRUE(fileExists(target + L".xml"));
        EXPECT_EQ("", editor.command(IDCANCEL)) << "saved work ends without a question";
        EXPECT_TRUE(editor.endedCleanly());
    }
    {
        Editor editor;
        ASSERT_TRUE(editor.start(quotedArgument(target + L".xml")));
        ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark - Derby \u8cfd"));
        std::vector<HWND> edits = editor.baseEdits();
        ASSERT_EQ(4u, edits.size());
        EXPECT_EQ(L"Ann", Editor::text(edits[0]));
        EXPECT_EQ(L"Bea", Editor::text(edits[1]));
        EXPECT_EQ(L"Cat", Editor::text(edits[2]));
        EXPECT_EQ(L"Dee", Editor::text(edits[3]));
        std::vector<HWND> picks = editor.picks();
        ASSERT_EQ(3u, picks.size());
        EXPECT_EQ(L"Bea", Editor::text(picks[0]));
        EXPECT_EQ(L"Dee", Editor::text(picks[1]));
        EXPECT_EQ(L"Dee", Editor::text(picks[2]));

        // A change, then Exit: the question; No ends without saving.
        EXPECT_EQ("", editor.command(IDM_EDIT_UNLOCK_BASE));
        SendMessageW(edits[3], WM_SETTEXT, 0, (LPARAM)L"Eve");
        EXPECT_EQ(L"", Editor::text(picks[2])) << "renaming the champion's team clears the picks it carried";
        EXPECT_EQ("", editor.command(IDCANCEL, [](DialogScript &s) {
            HWND box = s.next("the save-changes question");
            EXPECT_EQ(L"Changes have been made, do you want to save your changes?", DialogScript::messageText(box));
            s.press(box, IDNO);
        }));
        EXPECT_TRUE(editor.endedCleanly());
        EXPECT_EQ(std::string::npos, readFileBytes(target + L".xml").find("Eve")) << "No must not save";
    }
    {
        Editor editor;
        ASSERT_TRUE(editor.start(quotedArgument(target + L".xml")));
        ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark - Derby \u8cfd"));
        EXPECT_EQ("", editor.command(IDM_EDIT_UNLOCK_BASE));
        SendMessageW(editor.baseEdits()[0], WM_SETTEXT, 0, (LPARAM)L"Zoe");
        // Yes saves to the file it came from, then the program ends.
        EXPECT_EQ("", editor.command(IDCANCEL, [](DialogScript &s) { s.press(s.next("the question"), IDYES); }));
        EXPECT_TRUE(editor.endedCleanly());
        std::string saved = readFileBytes(target + L".xml");
        EXPECT_NE(std::string::npos, saved.find("Name=\"Zoe\" id=\"1\""));
        EXPECT_NE(std::string::npos, saved.find("Name=\"Bea\" id=\"5\"")) << "renaming Ann leaves the pick of Bea";
    }
}

// The message a failed save shows: what the script saw in it.
std::wstring acknowledgeMessage(DialogScript &s, const char *expected)
{
    HWND box = s.next(expected);
    std::wstring text = box ? DialogScript::messageText(box) : L"";
    s.press(box, IDOK);
    return text;
}

std::wstring systemText(DWORD error)
{
    WCHAR text[512] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, error, 0, text, 512, NULL);
    std::wstring result = text;
    while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r' || result.back() == L' '))
        result.pop_back();
    return result;
}


// Started with a relative name in folder A, the editor keeps saving to
// A's file after the Open dialog moved the current folder into B, where
// an unrelated file of the same name must keep every byte.
TEST(LostWork, ARelativeStartUpNameIsSavedWhereItCameFromAfterTheOpenDialogMovedTheFolder)
{
    TempFolder a, b;
    writeFileBytes(a.file(L"cup.xml"), CUP_XML);
    const char unrelated[] = "<Games><Title>Other</Title><Teams>4</Teams></Games>";
    writeFileBytes(b.file(L"cup.xml"), unrelated);
    Editor editor;
    ASSERT_TRUE(editor.start(L" cup.xml", a.path));
    ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark - Cup"));
    EXPECT_EQ("", editor.command(IDM_EDIT_UNLOCK_BASE));
    SendMessageW(editor.baseEdits()[0], WM_SETTEXT, 0, (LPARAM)L"Zoe");

    // Into folder B through the Open dialog, then cancelled: the dialog
    // leaves B as the process's current folder.
    EXPECT_EQ("", editor.command(IDM_FILE_OPEN, [&](DialogScript &s) {
        s.press(s.next("the save-changes question"), IDNO);
        HWND open = s.next("the Open dialog");
        s.type(s.fileNameEdit(open), b.path);
        // Sent, so the dialog has gone into B by the time it returns.
        SendMessageW(open, WM_COMMAND, IDOK, 0);
        s.press(open, IDCANCEL);
    }));
    EXPECT_EQ("", editor.command(IDM_FILE_SAVE)) << "Save asks nothing for a bracket with a file";
    EXPECT_NE(std::string::npos, readFileBytes(a.file(L"cup.xml")).find("Name=\"Zoe\" id=\"1\""))
        << "the file the bracket came from must get the change";
    EXPECT_EQ(unrelated, readFileBytes(b.file(L"cup.xml"))) << "the unrelated file in B must keep every byte";
    EXPECT_EQ("cup.xml", folderListing(b.path));
    EXPECT_EQ("", editor.command(IDCANCEL));
    EXPECT_TRUE(editor.endedCleanly());
}

// Names and a title the file cannot carry, brought in as a paste would:
// Save writes nothing, says which name or that the title is at fault, and
// the changes stay unsaved.
TEST(LostWork, ANameOrTitleTheFileCannotCarryIsNamedAndTheGoodFileKept)
{
    TempFolder folder;
    std::wstring file = cupIn(folder);
    Editor editor;
    ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Cup"));
    EXPECT_EQ("", editor.command(IDM_EDIT_UNLOCK_BASE));
    HWND first = editor.baseEdits()[0];
    struct {
        const WCHAR *name;
        const WCHAR *spelled;
    } cases[] = {{L"Ann\x0001", L"Ann[U+0001]"}, {L"\x000B" L"Bo", L"[U+000B]Bo"}, {L"Cy\x001F", L"Cy[U+001F]"},
                 {L"Di\xFFFE", L"Di[U+FFFE]"}, {L"\xFFFF", L"[U+FFFF]"}, {L"Ed \xD800", L"Ed [U+D800]"}};
    for (const auto &c : cases) {
        SendMessageW(first, WM_SETTEXT, 0, (LPARAM)c.name);
        std::wstring message;
        EXPECT_EQ("", editor.command(IDM_FILE_SAVE, [&](DialogScript &s) {
            message = acknowledgeMessage(s, "the failed save's message");
        }));
        EXPECT_TRUE(contains(message, file)) << "the message must name the file: " << DialogScript::narrow(message);
        EXPECT_TRUE(contains(message, c.spelled)) << "the message must show the name at fault: "
                                                   << DialogScript::narrow(message);
        EXPECT_EQ(CUP_XML, readFileBytes(file)) << "the good file must keep every byte";
    }
    SendMessageW(first, WM_SETTEXT, 0, (LPARAM)L"Ann");
    EXPECT_EQ("", editor.command(IDM_EDIT_TITLE, [](DialogScript &s) {
        s.press(s.next("the save-changes question"), IDNO);
        HWND setup = s.next("the setup dialog");
        s.type(GetDlgItem(setup, IDC_TITLE_EDIT), L"Cup\x0002");
        s.press(setup, IDC_SETUP_OK);
    }));
    std::wstring message;
    EXPECT_EQ("", editor.command(IDM_FILE_SAVE_AS, [&](DialogScript &s) {
        s.chooseFile(s.next("the Save dialog"), folder.file(L"copy.xml"));
        message = acknowledgeMessage(s, "the failed save's message");
    }));
    EXPECT_TRUE(contains(message, folder.file(L"copy.xml"))) << DialogScript::narrow(message);
    EXPECT_TRUE(contains(message, L"Cup[U+0002]")) << "the title must be named: " << DialogScript::narrow(message);
    EXPECT_FALSE(fileExists(folder.file(L"copy.xml")));
    EXPECT_EQ(CUP_XML, readFileBytes(file));

    // Still unsaved: Exit asks.
    EXPECT_EQ("", editor.command(IDCANCEL, [](DialogScript &s) { s.press(s.next("the question"), IDNO); }));
    EXPECT_TRUE(editor.endedCleanly());
}

// Log-off and shutdown: with nothing unsaved the session may end at once;
// with changes the save-changes question decides, and a session that ends
// closes the editor without another word.
TEST(LostWork, EndingTheSessionAsksLikeExit)
{
    TempFolder folder;
    std::wstring file = cupIn(folder);
    {
        Editor editor;
        ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Cup"));
        LRESULT answer = FALSE;
        EXPECT_EQ("", editor.send(WM_QUERYENDSESSION, 0, [](DialogScript &) {}, &answer));
        EXPECT_EQ(TRUE, answer) << "nothing unsaved: the session may end without a question";

        EXPECT_EQ("", editor.command(IDM_EDIT_UNLOCK_BASE));
        SendMessageW(editor.baseEdits()[0], WM_SETTEXT, 0, (LPARAM)L"Zoe");
        EXPECT_EQ("", editor.send(WM_QUERYENDSESSION, 0, [](DialogScript &s) {
            HWND box = s.next("the save-changes question");
            EXPECT_EQ(L"Changes have been made, do you want to save your changes?", DialogScript::messageText(box));
            s.press(box, IDCANCEL);
        }, &answer));
        EXPECT_EQ(FALSE, answer) << "Cancel must keep the session";
        EXPECT_TRUE(IsWindow(editor.window));
        EXPECT_EQ(CUP_XML, readFileBytes(file));

        EXPECT_EQ("", editor.send(WM_QUERYENDSESSION, 0,
                                  [](DialogScript &s) { s.press(s.next("the question"), IDNO); }, &answer));
        EXPECT_EQ(TRUE, answer) << "No lets the session end";
        EXPECT_EQ("", editor.send(WM_ENDSESSION, TRUE, [](DialogScript &) {}, &answer)) << "no further question";
        EXPECT_TRUE(editor.endedCleanly()) << "the ending session closes the editor";
        EXPECT_EQ(CUP_XML, readFileBytes(file)) << "No saved nothing";
    }
    {
        Editor editor;
        ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Cup"));
        EXPECT_EQ("", editor.command(IDM_EDIT_UNLOCK_BASE));
        SendMessageW(editor.baseEdits()[0], WM_SETTEXT, 0, (LPARAM)L"Zoe");
        LRESULT answer = FALSE;
        EXPECT_EQ("", editor.send(WM_QUERYENDSESSION, 0,
                                  [](DialogScript &s) { s.press(s.next("the question"), IDYES); }, &answer));
        EXPECT_EQ(TRUE, answer) << "Yes saves, then lets the session end";
        EXPECT_NE(std::string::npos, readFileBytes(file).find("Name=\"Zoe\" id=\"1\""));
        EXPECT_EQ("", editor.send(WM_ENDSESSION, TRUE, [](DialogScript &) {}, &answer));
        EXPECT_TRUE(editor.endedCleanly());
    }
}

// Every way of saving that fails says so once, naming the file and giving
// the platform's reason; the end-session save that fails keeps the session.
TEST(LostWork, AFailedSaveNamesTheFileAndThePlatformsReason)
{
    TempFolder folder;
    std::wstring file = cupIn(folder);
    Editor editor;
    ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Cup"));
    EXPECT_EQ("", editor.command(IDM_EDIT_UNLOCK_BASE));
    SendMessageW(editor.baseEdits()[0], WM_SETTEXT, 0, (LPARAM)L"Zoe");
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    std::wstring denied = systemText(ERROR_ACCESS_DENIED);
    ASSERT_FALSE(denied.empty());

    std::wstring message;
    EXPECT_EQ("", editor.command(IDM_FILE_SAVE, [&](DialogScript &s) { message = acknowledgeMessage(s, "Save's message"); }));
    EXPECT_TRUE(contains(message, file) && contains(message, denied)) << DialogScript::narrow(message);

    message.clear();
    EXPECT_EQ("", editor.command(IDCANCEL, [&](DialogScript &s) {
        s.press(s.next("the save-changes question"), IDYES);
        message = acknowledgeMessage(s, "the message of Exit's save");
    }));
    EXPECT_TRUE(contains(message, file) && contains(message, denied)) << DialogScript::narrow(message);
    EXPECT_TRUE(IsWindow(editor.window)) << "a failed save must not let Exit go on";

    message.clear();
    LRESULT answer = TRUE;
    EXPECT_EQ("", editor.send(WM_QUERYENDSESSION, 0, [&](DialogScript &s) {
        s.press(s.next("the save-changes question"), IDYES);
        message = acknowledgeMessage(s, "the message of the end-session save");
    }, &answer));
    EXPECT_EQ(FALSE, answer) << "a failed save must keep the session";
    EXPECT_TRUE(contains(message, file) && contains(message, denied)) << DialogScript::narrow(message);

    // Save As onto a file another program holds without sharing.
    std::wstring held = folder.file(L"held.xml");
    writeFileBytes(held, "held bytes");
    HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    message.clear();
    EXPECT_EQ("", editor.command(IDM_FILE_SAVE_AS, [&](DialogScript &s) {
        s.chooseFile(s.next("the Save dialog"), held);
        s.press(s.next("the replace confirmation"), IDYES);
        message = acknowledgeMessage(s, "Save As's message");
    }));
    CloseHandle(holder);
    EXPECT_TRUE(contains(message, held) && contains(message, systemText(ERROR_SHARING_VIOLATION)))
        << DialogScript::narrow(message);
    EXPECT_EQ("held bytes", readFileBytes(held));

    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(CUP_XML, readFileBytes(file));
    EXPECT_EQ("", editor.command(IDCANCEL, [](DialogScript &s) { s.press(s.next("the question"), IDNO); }));
    EXPECT_TRUE(editor.endedCleanly());
}

// The text of the newer-work question or the recovery offer.
std::wstring choiceText(HWND dialog)
{
    WCHAR text[1024] = L"";
    GetDlgItemTextW(dialog, IDC_CHOICE_TEXT, text, 1024);
    return text;
}

// Two windows on one file, and a file another program replaced: a save over
// work this window never saw asks first; Cancel keeps the disk, Save As
// keeps both, Overwrite writes; once written, the next save is silent again.
TEST(LostWork, ASaveOverNewerWorkOnDiskAsksFirst)
{
    TempFolder folder;
    std::wstring file = cupIn(folder);
    CreateDirectoryW(folder.file(L"local").c_str(), NULL);
    Editor first, second;
    first.localAppData = second.localAppData = folder.file(L"local");
    ASSERT_NE(nullptr, first.startOn(file, L"Duelmark - Cup"));
    ASSERT_NE(nullptr, second.startOn(file, L"Duelmark - Cup"));

    EXPECT_EQ("", first.command(IDM_EDIT_UNLOCK_BASE));
    SendMessageW(first.baseEdits()[0], WM_SETTEXT, 0, (LPARAM)L"Zoe");
    EXPECT_EQ("", first.command(IDM_FILE_SAVE)) << "nothing newer on disk: Save asks nothing";
    std::string firstsWork = readFileBytes(file);
    ASSERT_NE(std::string::npos, firstsWork.find("Name=\"Zoe\" id=\"1\""));

    EXPECT_EQ("", second.command(IDM_EDIT_UNLOCK_BASE));
    SendMessageW(second.baseEdits()[1], WM_SETTEXT, 0, (LPARAM)L"Yan");
    std::wstring question;
    EXPECT_EQ("", second.command(IDM_FILE_SAVE, [&](DialogScript &s) {
        HWND box = s.next("the newer-work question");
        question = choiceText(box);
        s.press(box, IDCANCEL);
    }));
    EXPECT_TRUE(contains(question, file)) << DialogScript::narrow(question);
    EXPECT_EQ(firstsWork, readFileBytes(file)) << "Cancel must keep the first window's work";

    // Exit, Yes to saving: the same question; Save As puts this work beside.
    std::wstring mine = folder.file(L"mine.xml");
    EXPECT_EQ("", second.command(IDCANCEL, [&](DialogScript &s) {
        s.press(s.next("the save-changes question"), IDYES);
        s.press(s.next("the newer-work question"), IDC_SAVE_ELSEWHERE);
        s.chooseFile(s.next("the Save dialog"), mine);
    }));
    EXPECT_TRUE(second.endedCleanly());
    EXPECT_NE(std::string::npos, readFileBytes(mine).find("Name=\"Yan\" id=\"2\""));
    EXPECT_EQ(firstsWork, readFileBytes(file));

    // Another program replaces the file; Save with no change of this
    // window's own asks, and Overwrite puts this bracket back.
    const char other[] = "<Games><Title>Other</Title><Teams>4</Teams></Games>";
    writeFileBytes(file, other);
    EXPECT_EQ("", first.command(IDM_FILE_SAVE, [&](DialogScript &s) {
        HWND box = s.next("the newer-work question");
        question = choiceText(box);
        s.press(box, IDC_OVERWRITE);
    }));
    EXPECT_TRUE(contains(question, file)) << DialogScript::narrow(question);
    EXPECT_EQ(firstsWork, readFileBytes(file));
    EXPECT_EQ("", first.command(IDM_FILE_SAVE)) << "what this window wrote is what it knows: no question";

    // Removed meanwhile: the question says so rather than write silently.
    ASSERT_TRUE(DeleteFileW(file.c_str()));
    EXPECT_EQ("", first.command(IDM_FILE_SAVE, [&](DialogScript &s) {
        HWND box = s.next("the question about the removed file");
        question = choiceText(box);
        s.press(box, IDCANCEL);
    }));
    EXPECT_TRUE(contains(question, file)) << DialogScript::narrow(question);
    EXPECT_FALSE(fileExists(file));
    EXPECT_EQ("", first.command(IDCANCEL));
    EXPECT_TRUE(first.endedCleanly());
}

// The recovery copies in a local application-data folder.
std::vector<std::wstring> recoveryCopies(const std::wstring &localAppData)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((localAppData + L"\\Duelmark\\Recovery\\*.xml").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// Waits until count copies are there, each holding text (UTF-8).
bool waitForCopies(const std::wstring &localAppData, size_t count, const std::string &text)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < 30000; Sleep(50)) {
        std::vector<std::wstring> copies = recoveryCopies(localAppData);
        size_t holding = 0;
        for (const std::wstring &copy : copies)
            holding += readFileBytes(localAppData + L"\\Duelmark\\Recovery\\" + copy).find(text) != std::string::npos;
        if (copies.size() == count && holding == count)
            return true;
    }
    return false;
}

// A window killed after typing: the next start offers its copy (never the
// copy of a window still running), Restore shows the typed names unsaved,
// bound to their file; saving and exiting leave no copy of its own behind.
TEST(LostWork, AKilledWindowsTypingIsOfferedAtTheNextStart)
{
    TempFolder folder;
    std::wstring file = folder.file(L"cup.xml"), otherFile = folder.file(L"other.xml");
    writeFileBytes(file, CUP_XML);
    writeFileBytes(otherFile, CUP_XML);
    std::wstring local = folder.file(L"local");
    CreateDirectoryW(local.c_str(), NULL);
    Editor killed, running;
    killed.localAppData = running.localAppData = local;
    ASSERT_NE(nullptr, killed.startOn(file, L"Duelmark - Cup"));
    ASSERT_TRUE(running.start(quotedArgument(otherFile)));
    ASSERT_NE(nullptr, running.waitForWindow(L"Duelmark - Cup"));
    for (Editor *editor : {&killed, &running}) {
        EXPECT_EQ("", editor->command(IDM_EDIT_UNLOCK_BASE));
        SendMessageW(editor->baseEdits()[0], WM_SETTEXT, 0, (LPARAM)L"Zoe");
        SendMessageW(editor->baseEdits()[3], WM_SETTEXT, 0, (LPARAM)L"\u8cfd\u4e8b");
    }
    ASSERT_TRUE(waitForCopies(local, 2, "\xe8\xb3\xbd\xe4\xba\x8b")) << "each window keeps its own copy of its typing";
    EXPECT_EQ("cup.xml local other.xml", folderListing(folder.path)) << "never beside the user's file";
    TerminateProcess(killed.process.hProcess, 1);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(killed.process.hProcess, 30000));

    Editor next;
    next.localAppData = local;
    ASSERT_TRUE(next.start(L""));
    ASSERT_NE(nullptr, next.waitForWindow(L"Duelmark"));
    std::wstring offer;
    DialogScript script(next.window, [&](DialogScript &s) {
        HWND box = s.next("the recovery offer");
        offer = choiceText(box);
        s.press(box, IDC_RESTORE);
    });
    EXPECT_EQ("", script.finish());
    EXPECT_TRUE(contains(offer, file)) << "the killed window's file: " << DialogScript::narrow(offer);
    for (DWORD start = GetTickCount(); next.baseEdits().size() < 4 && GetTickCount() - start < 30000;)
        Sleep(20);
    ASSERT_EQ(4u, next.baseEdits().size());
    EXPECT_EQ(L"Zoe", Editor::text(next.baseEdits()[0]));
    EXPECT_EQ(L"\u8cfd\u4e8b", Editor::text(next.baseEdits()[3]));
    EXPECT_EQ(CUP_XML, readFileBytes(file)) << "restoring writes nothing to the file";

    // Unsaved: Exit asks, and Yes saves to the file it belonged to once
    // the user confirms that file, which only the copy named.
    EXPECT_EQ("", next.command(IDCANCEL, [&](DialogScript &s) {
        s.press(s.next("the save-changes question"), IDYES);
        HWND box = s.next("the question before writing the restored bracket over its file");
        offer = choiceText(box);
        s.press(box, IDC_OVERWRITE);
    }));
    EXPECT_TRUE(contains(offer, file)) << DialogScript::narrow(offer);
    EXPECT_TRUE(next.endedCleanly());
    EXPECT_NE(std::string::npos, readFileBytes(file).find("Name=\"Zoe\" id=\"1\""));
    EXPECT_EQ(1u, recoveryCopies(local).size()) << "only the running window's copy is left";

    EXPECT_EQ("", running.command(IDCANCEL, [](DialogScript &s) { s.press(s.next("the question"), IDNO); }));
    EXPECT_TRUE(running.endedCleanly());
    EXPECT_TRUE(recoveryCopies(local).empty()) << "discarding the work removes its copy";
}

} // namespace

// The shipped program shares its bracket: Export picture through the Save
// dialog (the extension added), Copy picture onto the clipboard in both
// formats, seen from this other process.
TEST(EditorProcess, ExportAndCopyPictureOfTheOpenBracket)
{
    TempFolder folder;
    std::wstring file = cupIn(folder);
    Editor editor;
    ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Cup"));
    EXPECT_EQ("", editor.command(IDM_FILE_EXPORT_PICTURE, [&](DialogScript &s) {
        s.chooseFile(s.next("the Save dialog for the picture"), folder.file(L"cup picture"));
    }));
    std::string png = readFileBytes(folder.file(L"cup picture.png"));
    EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), png.substr(0, 8)) << "expected a PNG file named cup picture.png";

    EXPECT_EQ("", editor.command(IDM_EDIT_COPY_PICTURE));
    ASSERT_TRUE(OpenClipboard(NULL));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB)) << "the clipboard should hold the picture as a DIB";
    EXPECT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormatW(L"PNG"))) << "and as PNG";
    HGLOBAL copied = GetClipboardData(RegisterClipboardFormatW(L"PNG"));
    ASSERT_NE(nullptr, copied);
    EXPECT_EQ(png, std::string((const char *)GlobalLock(copied), GlobalSize(copied)))
        << "the clipboard's PNG should be the exported file, byte for byte";
    GlobalUnlock(copied);
    CloseClipboard();
    PostMessageW(editor.window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(editor.endedCleanly());
}

// The shipped program undoes a typed name with the pick it cleared, draws
// the teams with the system's random source, undoes that too, and is then
// clean: the close box ends it without a question.
TEST(EditorProcess, TypeDrawUndoBothAndCloseWithoutAQuestion)
{
    TempFolder folder;
    std::wstring file = cupIn(folder);
    Editor editor;
    ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Cup"));
    EXPECT_EQ("", editor.command(IDM_EDIT_UNLOCK_BASE));
    std::vector<HWND> edits = editor.baseEdits();
    ASSERT_EQ(4u, edits.size());
    SendMessageW(edits[0], WM_SETTEXT, 0, (LPARAM)L"Ax");
    EXPECT_EQ(L"", Editor::text(editor.picks()[0])) << "the cascade cleared A's pick";
    EXPECT_EQ("", editor.command(IDM_EDIT_UNDO));
    EXPECT_EQ(L"A", Editor::text(edits[0]));
    EXPECT_EQ(L"A", Editor::text(editor.picks()[0]));

    EXPECT_EQ("", editor.command(IDM_EDIT_DRAW_TEAMS));
    std::vector<std::wstring> drawn;
    for (HWND edit : edits)
        drawn.push_back(Editor::text(edit));
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ((std::vector<std::wstring>{L"A", L"B", L"C", L"D"}), drawn) << "the same four teams";
    EXPECT_EQ(L"", Editor::text(editor.picks()[0])) << "a draw clears every pick";
    EXPECT_EQ("", editor.command(IDM_EDIT_UNDO));
    EXPECT_EQ(L"B", Editor::text(edits[1]));
    EXPECT_EQ(L"A", Editor::text(editor.picks()[0]));
    PostMessageW(editor.window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(editor.endedCleanly()) << "back at the loaded file: no question";
}

namespace {

// Twelve entrants in seed order, in both scripts a club might use.
const WCHAR TWELVE_ENTRANTS[] = L"\u738b\u5c0f\u660e\r\nAlice\r\n\u9673\u7f8e\u73b2\r\nBob\r\n\u6797\u5fd7\u8c6a\r\n"
                                L"Carol\r\n\u5f35\u96c5\u5a77\r\nDave\r\n\u9ec3\u4fca\u5091\r\nErin\r\n"
                                L"\u674e\u6dd1\u82ac\r\nFrank\r\n";

// What a user sees of the base slots and the first-round picks: each
// edit's text and whether it takes input, each pick's text.
std::wstring firstRoundView(Editor &editor)
{
    std::wstring view;
    for (HWND edit : editor.baseEdits())
        view += Editor::text(edit) + (IsWindowEnabled(edit) ? L"|" : L"(bye)|");
    std::vector<HWND> picks = editor.children(L"ComboBox");
    for (size_t i : {0, 1, 2, 3, 11, 12, 13, 14})
        view += L"[" + Editor::text(picks.at(i)) + L"]";
    return view;
}

}  // namespace

// Twelve entrants, seeded into sixteen slots: the four byes face seeds 1-4
// (slots 2, 7, 10 and 15 down the left then the right column), their picks
// are made, and the bracket saved and opened again is the same to the byte.
// Before that, lists the dialog cannot take as they are say why.
TEST(EditorProcess, NewFromListWithTwelveEntrantsShowsByesAndSurvivesSaveAndReopen)
{
    TempFolder folder;
    std::wstring target = folder.file(L"club.xml");
    std::string saved;
    std::wstring view;
    {
        Editor editor;
        ASSERT_TRUE(editor.start(L""));
        ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark"));
        EXPECT_EQ("", editor.command(IDM_FILE_NEW_FROM_LIST, [](DialogScript &s) {
            HWND list = s.next("the New from list dialog");
            if (!list)
                return;
            HWND message = GetDlgItem(list, IDC_LIST_MESSAGE);
            SendMessageW(list, WM_COMMAND, MAKEWPARAM(IDC_LIST_OK, BN_CLICKED), 0);
            EXPECT_NE(L"", Editor::text(message)) << "an empty title is refused with a message";
            s.type(GetDlgItem(list, IDC_LIST_TITLE_EDIT), L"Club \u6703");
            s.type(GetDlgItem(list, IDC_LIST_ENTRANTS_EDIT), L"Only one\r\n");
            SendMessageW(list, WM_COMMAND, MAKEWPARAM(IDC_LIST_OK, BN_CLICKED), 0);
            EXPECT_NE(std::wstring::npos, Editor::text(message).find(L"1")) << "one entrant is refused, counted";
            EXPECT_EQ(std::wstring::npos, Editor::text(message).find(L"entrants")) << "and is one entrant";
            EXPECT_TRUE(IsWindowVisible(list)) << "the dialog stays open";
            // A name given twice (in any case) is refused with its lines.
            s.type(GetDlgItem(list, IDC_LIST_ENTRANTS_EDIT), L"Alice\r\nBob\r\n\r\nalice\r\nAlice\r\n");
            SendMessageW(list, WM_COMMAND, MAKEWPARAM(IDC_LIST_OK, BN_CLICKED), 0);
            EXPECT_NE(std::wstring::npos, Editor::text(message).find(L"1, 4, 5")) << "the repeated name's lines";
            // A name too long for a slot is named by its line before it is cut.
            s.type(GetDlgItem(list, IDC_LIST_ENTRANTS_EDIT), L"A\r\nB\r\n\r\n\r\n\r\n" + std::wstring(130, L'x'));
            s.press(list, IDC_LIST_OK);
            HWND box = s.next("the question on the name to be cut");
            EXPECT_NE(std::wstring::npos, DialogScript::messageText(box).find(L"6")) << "the long name's line";
            s.press(box, IDCANCEL);
            for (DWORD start = GetTickCount(); IsWindow(box) && GetTickCount() - start < 10000;)
                Sleep(10);
            s.type(GetDlgItem(list, IDC_LIST_ENTRANTS_EDIT), TWELVE_ENTRANTS);
            s.press(list, IDC_LIST_OK);
        }));
        EXPECT_EQ(L"Duelmark - Club \u6703", DialogScript::caption(editor.window));
        std::vector<HWND> edits = editor.baseEdits();
        ASSERT_EQ(16u, edits.size());
        for (int i = 0; i < 16; i++) {
            bool bye = i == 1 || i == 6 || i == 9 || i == 14;
            EXPECT_EQ(!bye, IsWindowEnabled(edits[i]) != 0) << "slot " << i + 1;
            EXPECT_EQ(bye, Editor::text(edits[i]).empty()) << "slot " << i + 1;
        }
        EXPECT_EQ(L"\u738b\u5c0f\u660e", Editor::text(edits[0])) << "seed 1 first";
        EXPECT_EQ(L"Alice", Editor::text(edits[15])) << "seed 2 last";
        std::vector<HWND> picks = editor.children(L"ComboBox");
        ASSERT_EQ(15u, picks.size());
        EXPECT_EQ(L"\u738b\u5c0f\u660e", Editor::text(picks[0])) << "seed 1 goes through its bye";
        EXPECT_EQ(L"Bob", Editor::text(picks[3])) << "seed 4";
        EXPECT_EQ(L"\u9673\u7f8e\u73b2", Editor::text(picks[11])) << "seed 3";
        EXPECT_EQ(L"Alice", Editor::text(picks[14])) << "seed 2";
        EXPECT_EQ(L"", Editor::text(picks[1])) << "an ordinary match is still open";

        // Unlocking opens the entrants' slots, never a bye's.
        EXPECT_EQ("", editor.command(IDM_EDIT_UNLOCK_BASE));
        EXPECT_FALSE(IsWindowEnabled(edits[1]));
        view = firstRoundView(editor);
        EXPECT_EQ("", editor.command(IDM_FILE_SAVE, [&](DialogScript &s) { s.chooseFile(s.next("the Save dialog"), target); }));
        saved = readFileBytes(target);
        EXPECT_NE(std::string::npos, saved.find("Name=\"\" id=\"2\" Bye=\"1\""));
        EXPECT_EQ("", editor.command(IDCANCEL)) << "saved work ends without a question";
        EXPECT_TRUE(editor.endedCleanly());
    }
    Editor editor;
    ASSERT_TRUE(editor.start(quotedArgument(target)));
    ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark - Club \u6703"));
    EXPECT_EQ("", editor.command(IDM_EDIT_UNLOCK_BASE));
    std::wstring reopened = firstRoundView(editor);
    EXPECT_TRUE(view == reopened) << DialogScript::narrow(view) << "\n" << DialogScript::narrow(reopened);
    EXPECT_EQ("", editor.command(IDM_FILE_SAVE));
    EXPECT_EQ(saved, readFileBytes(target)) << "open and save again change no byte";
    EXPECT_EQ("", editor.command(IDCANCEL));
    EXPECT_TRUE(editor.endedCleanly());
}

namespace {

// The exported picture's pixels (32bppBGR, top-down), or empty.
std::vector<BYTE> decodePicture(const std::wstring &path, UINT *width, UINT *height)
{
    std::vector<BYTE> pixels;
    *width = *height = 0;
    IWICImagingFactory *factory = NULL;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))))
        return pixels;
    IWICBitmapDecoder *decoder = NULL;
    IWICBitmapFrameDecode *frame = NULL;
    IWICFormatConverter *converter = NULL;
    if (SUCCEEDED(factory->CreateDecoderFromFilename(path.c_str(), NULL, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, NULL, 0,
                                        WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(width, height))) {
        pixels.resize((size_t)*width * *height * 4);
        if (FAILED(converter->CopyPixels(NULL, *width * 4, (UINT)pixels.size(), pixels.data())))
            pixels.clear();
    }
    if (converter)
        converter->Release();
    if (frame)
        frame->Release();
    if (decoder)
        decoder->Release();
    factory->Release();
    return pixels;
}

// Dark pixels in the picture's middle column below every box of a 4-team
// bracket's own rounds: where the third-place match stands.
int inkUnderTheFinal(const std::wstring &path)
{
    UINT width, height;
    std::vector<BYTE> pixels = decodePicture(path, &width, &height);
    const int left = PICTURE_MARGIN + 2 * (PICTURE_BOX_WIDTH + PICTURE_COLUMN_GAP);
    const int top = PICTURE_MARGIN + PICTURE_TITLE_BAND + PICTURE_HEADING_BAND + 2 * PICTURE_ROW_PITCH;
    int ink = 0;
    for (UINT y = top; y < height && !pixels.empty(); y++) {
        for (int x = left; x < left + PICTURE_BOX_WIDTH && x < (int)width; x++) {
            const BYTE *p = &pixels[(y * width + x) * 4];
            ink += p[0] + p[1] + p[2] < 3 * 128;
        }
    }
    return ink;
}

} // namespace

// A result typed into the Match result dialog of the focused pick, the
// third-place match turned on and picked, saved, reopened and saved again
// unchanged; the exported picture has the third-place match under the final.
TEST(EditorProcess, ResultAndThirdPlaceSavedReopenedAndDrawn)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(NULL)));
    TempFolder folder;
    std::wstring file = cupIn(folder);
    {
        Editor editor;
        ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Cup"));
        std::vector<HWND> picks = editor.picks();
        ASSERT_EQ(3u, picks.size());
        editor.pick(picks[1], L"D");
        // The dialog manager of the editor's own thread moves the focus.
        EXPECT_TRUE(editor.focus(picks[0]));
        EXPECT_EQ("", editor.command(IDM_EDIT_MATCH_RESULT, [](DialogScript &s) {
            HWND dialog = s.next("the Match result dialog");
            EXPECT_EQ(L"A", Editor::text(GetDlgItem(dialog, IDC_RESULT_FIRST_TEAM)));
            EXPECT_EQ(L"B", Editor::text(GetDlgItem(dialog, IDC_RESULT_SECOND_TEAM)));
            EXPECT_EQ(L"A", Editor::text(GetDlgItem(dialog, IDC_RESULT_WINNER))) << "preset to the current pick";
            s.type(GetDlgItem(dialog, IDC_RESULT_TEXT), L"6:3 6:4");
            s.press(dialog, IDOK);
        }));
        EXPECT_EQ("", editor.command(IDM_EDIT_THIRD_PLACE));
        HWND third = GetDlgItem(editor.window, IDC_THIRD_PLACE_COMBO);
        ASSERT_NE(nullptr, third) << "the third-place drop-down appears";
        SendMessageW(third, CB_SHOWDROPDOWN, TRUE, 0);
        SendMessageW(third, CB_SHOWDROPDOWN, FALSE, 0);
        EXPECT_EQ(2, SendMessageW(third, CB_GETCOUNT, 0, 0)) << "exactly the two semi-final losers";
        LRESULT index = SendMessageW(third, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)L"C");
        ASSERT_NE(CB_ERR, index);
        SendMessageW(third, CB_SETCURSEL, index, 0);
        SendMessageW(editor.window, WM_COMMAND, MAKEWPARAM(IDC_THIRD_PLACE_COMBO, CBN_SELCHANGE), (LPARAM)third);
        EXPECT_EQ("", editor.command(IDM_FILE_SAVE));
        EXPECT_EQ("", editor.command(IDM_FILE_EXPORT_PICTURE, [&](DialogScript &s) {
            s.chooseFile(s.next("the Save dialog for the picture"), folder.file(L"cup"));
        }));
        EXPECT_EQ("", editor.command(IDCANCEL));
        EXPECT_TRUE(editor.endedCleanly());
    }
    std::string saved = readFileBytes(file);
    EXPECT_NE(std::string::npos, saved.find("<Team Name=\"A\" id=\"5\" Score=\"6:3 6:4\"/>")) << saved;
    EXPECT_NE(std::string::npos, saved.find("<ThirdPlace Name=\"C\" Score=\"\"/></Games>")) << saved;
    EXPECT_GT(inkUnderTheFinal(folder.file(L"cup.png")), 200) << "the third-place match is drawn under the final";
    {
        Editor editor;
        ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Cup"));
        HWND third = GetDlgItem(editor.window, IDC_THIRD_PLACE_COMBO);
        ASSERT_NE(nullptr, third) << "the match is on after reopening";
        EXPECT_EQ(L"C", Editor::text(third));
        EXPECT_EQ("", editor.command(IDM_FILE_SAVE));
        EXPECT_EQ("", editor.command(IDCANCEL));
        EXPECT_TRUE(editor.endedCleanly());
    }
    EXPECT_EQ(saved, readFileBytes(file)) << "reopened and saved: identical";
    CoUninitialize();
}

namespace {

// The Match result dialog of a pick, with steps in it before OK. The focus
// is moved until it is seen on the pick: on a busy machine the window's
// late activation after the last dialog could put it back where it was.
// Match result acts on the focused pick. In a full run another test's
// window can take the session's foreground between the focus and the
// command, and the command then finds no pick and opens nothing: that
// changes nothing, so it is tried again.
std::string matchResult(Editor &editor, HWND pick, std::function<void(DialogScript &, HWND)> steps)
{
    std::string failure;
    for (int attempt = 0; attempt < 3; attempt++) {
        editor.focus(pick);
        bool opened = false;
        failure = editor.command(IDM_EDIT_MATCH_RESULT, [&](DialogScript &s) {
            HWND dialog = s.next("the Match result dialog");
            if (!dialog)
                return;
            opened = true;
            steps(s, dialog);
            s.press(dialog, IDOK);
        });
        if (opened)
            break;
    }
    return failure;
}

std::vector<std::wstring> split(const std::wstring &text, const std::wstring &separator)
{
    std::vector<std::wstring> parts;
    size_t start = 0, end;
    while ((end = text.find(separator, start)) != std::wstring::npos) {
        parts.push_back(text.substr(start, end - start));
        start = end + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

// "YYYY-MM-DD HH:00" no earlier than the hour now and at most two later.
bool aComingWholeHour(const std::wstring &time)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    for (int hours = 0; hours <= 2; hours++) {
        FILETIME file;
        SYSTEMTIME hour = now;
        hour.wMinute = hour.wSecond = hour.wMilliseconds = 0;
        SystemTimeToFileTime(&hour, &file);
        ULARGE_INTEGER ticks = {{file.dwLowDateTime, file.dwHighDateTime}};
        ticks.QuadPart += hours * 36000000000ULL;
        file = {ticks.LowPart, ticks.HighPart};
        FileTimeToSystemTime(&file, &hour);
        WCHAR text[32];
        wsprintfW(text, L"%04u-%02u-%02u %02u:00", hour.wYear, hour.wMonth, hour.wDay, hour.wHour);
        if (time == text)
            return true;
    }
    return false;
}

} // namespace

// The event day from outside: a walkover and a double walkover through the
// Match result dialog, a court and time on another match, Schedule matches
// on the first round, the order of play read back from the clipboard, and
// the withdrawal passing its winner on.
TEST(EditorProcess, OutcomesTimesScheduleAndTheOrderOfPlay)
{
    TempFolder folder;
    std::wstring file = folder.file(L"eight.xml");
    writeFileBytes(file, EIGHT_XML);
    Editor editor;
    ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Eight"));
    // By column, top to bottom: quarter-finals 9 and 10, semi-final 13,
    // the champion, semi-final 14, quarter-finals 11 and 12.
    std::vector<HWND> picks = editor.picks();
    ASSERT_EQ(7u, picks.size());
    HWND q9 = picks[0], q11 = picks[5], q12 = picks[6], s13 = picks[2], s14 = picks[4];
    EXPECT_EQ("", matchResult(editor, q9, [](DialogScript &, HWND d) {
        SendDlgItemMessageW(d, IDC_RESULT_WINNER, CB_SETCURSEL, 0, 0);
        SendDlgItemMessageW(d, IDC_RESULT_OUTCOME, CB_SETCURSEL, 1, 0);  // Walkover
    }));
    EXPECT_EQ(L"A", Editor::text(q9));
    EXPECT_EQ("", matchResult(editor, q12, [](DialogScript &, HWND d) {
        SendDlgItemMessageW(d, IDC_RESULT_OUTCOME, CB_SETCURSEL, 4, 0);  // Both withdrawn
    }));
    EXPECT_EQ(L"", Editor::text(q12));
    EXPECT_EQ("", matchResult(editor, q11, [](DialogScript &s, HWND d) {
        s.type(GetDlgItem(d, IDC_RESULT_COURT), L"Table 9");
        SendDlgItemMessageW(d, IDC_RESULT_UNSCHEDULED, BM_CLICK, 0, 0);  // scheduled at the picker's time
    }));
    EXPECT_EQ("", editor.command(IDM_EDIT_SCHEDULE, [](DialogScript &s) {
        HWND d = s.next("the Schedule matches dialog");
        if (!d)
            return;
        SendDlgItemMessageW(d, IDC_SCHEDULE_ROUND, CB_SETCURSEL, 1, 0);  // the first round
        s.type(GetDlgItem(d, IDC_SCHEDULE_MINUTES), L"30");
        s.type(GetDlgItem(d, IDC_SCHEDULE_COURTS), L"Court 1, Court 2");
        s.press(d, IDOK);
    }));

    EXPECT_EQ("", editor.command(IDM_EDIT_COPY_ORDER));
    ASSERT_TRUE(OpenClipboard(NULL));
    HGLOBAL copied = GetClipboardData(CF_UNICODETEXT);
    std::wstring text = copied ? (const WCHAR *)GlobalLock(copied) : L"";
    if (copied)
        GlobalUnlock(copied);
    CloseClipboard();
    // Open with both entrants known: 10 (C v D), scheduled now, and 11
    // (E v F), which kept its own time and court. 9 and 12 are decided,
    // and no semi-final has both entrants.
    std::vector<std::wstring> lines = split(text, L"\r\n");
    ASSERT_EQ(4u, lines.size()) << DialogScript::narrow(text);
    EXPECT_EQ(L"", lines[3]) << "every line ends with CR LF";
    EXPECT_EQ(5u, split(lines[0], L"\t").size()) << "the header names five columns";
    std::vector<std::wstring> first = split(lines[1], L"\t"), second = split(lines[2], L"\t");
    ASSERT_EQ(5u, first.size());
    ASSERT_EQ(5u, second.size());
    if (first[3] == L"E")
        std::swap(first, second);  // an hour may have begun between the two
    EXPECT_EQ((std::vector<std::wstring>{first[0], L"Court 1", first[2], L"C", L"D"}), first);
    EXPECT_EQ((std::vector<std::wstring>{second[0], L"Table 9", first[2], L"E", L"F"}), second);
    EXPECT_TRUE(aComingWholeHour(first[0])) << DialogScript::narrow(first[0]);
    EXPECT_TRUE(aComingWholeHour(second[0])) << DialogScript::narrow(second[0]);
    EXPECT_LE(split(lines[1], L"\t")[0], split(lines[2], L"\t")[0]) << "sorted by time";

    editor.pick(q11, L"E");
    EXPECT_EQ(L"E", Editor::text(s14)) << "G and H both withdrew: E goes through at once";
    EXPECT_EQ(L"", Editor::text(s13));
    EXPECT_EQ("", editor.command(IDM_EDIT_UNDO));
    EXPECT_EQ(L"", Editor::text(s14));
    EXPECT_EQ("", editor.command(IDCANCEL, [](DialogScript &s) {
        HWND question = s.next("the save-changes question");
        if (question)
            s.press(question, IDNO);
    }));
    EXPECT_TRUE(editor.endedCleanly());
}

// Entrants "Ann" and "ann" from a file: the semi-final's drop-down keeps
// showing the "ann" the bracket holds, and clicking the highlighted name
// leaves the champion alone, so the editor closes without a question.
TEST(EditorProcess, ADropDownKeepsTheNameOfACasePair)
{
    TempFolder folder;
    std::wstring file = folder.file(L"pair.xml");
    writeFileBytes(file, "<Games><Title>Pair</Title><Teams>4</Teams>"
                         "<Team Name=\"Ann\" id=\"1\"/><Team Name=\"ann\" id=\"2\"/><Team Name=\"Bob\" id=\"3\"/>"
                         "<Team Name=\"Cat\" id=\"4\"/><Team Name=\"ann\" id=\"5\"/><Team Name=\"Bob\" id=\"6\"/>"
                         "<Team Name=\"ann\" id=\"7\"/></Games>");
    Editor editor;
    ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Pair"));
    std::vector<HWND> picks = editor.picks();
    ASSERT_EQ(3u, picks.size());
    SendMessageW(picks[0], CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(picks[0], CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(2, SendMessageW(picks[0], CB_GETCOUNT, 0, 0)) << "both entrants are offered";
    EXPECT_EQ(L"ann", Editor::text(picks[0]));
    LRESULT highlighted = SendMessageW(picks[0], CB_GETCURSEL, 0, 0);
    SendMessageW(picks[0], CB_SETCURSEL, highlighted, 0);
    SendMessageW(editor.window, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_SELCHANGE), (LPARAM)picks[0]);
    EXPECT_EQ(L"ann", Editor::text(picks[0]));
    EXPECT_EQ(L"ann", Editor::text(picks[2])) << "the champion stays";
    EXPECT_EQ("", editor.command(IDCANCEL)) << "nothing changed, so nothing is asked";
    EXPECT_TRUE(editor.endedCleanly());
}
