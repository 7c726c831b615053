// The main window made from IDD_MAIN with the real mainDialogProc, driven by
// the messages the platform would send: menu commands, slot notifications,
// the close box, Esc and dropped files. Every question box, the setup
// dialog and the Open and Save dialogs are answered for real.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "model/bracket.h"
#include "res/resource.h"
#include "support/dialog_answer.h"
#include "support/dialog_script.h"
#include "support/failing_allocation.h"
#include "support/temp_folder.h"
#include "support/sample_brackets.h"
#include "ui/common/document_state.h"
#include "ui/main_dialog.h"

namespace {

const char LEAGUE_XML[] =
    "<Games><Title>League</Title><Teams>8</Teams><Team Name=\"E\" id=\"1\"/></Games>";
const char UNTITLED_XML[] = "<Games><Title></Title><Teams>4</Teams></Games>";
const char NOT_A_BRACKET[] = "<Recipe><Flour>200</Flour></Recipe>";

struct MainDialogTest : ::testing::Test {
    Bracket bracket;
    DocumentState state = {};
    HWND window = NULL;
    TempFolder folder;
    std::wstring cup, league, untitled, notBracket;

    void SetUp() override
    {
        CoInitialize(NULL);
        initBracket(&bracket, GetModuleHandleW(NULL));
        state.bracket = &bracket;
        state.path[0] = 0;
        cup = folder.file(L"cup.xml");
        league = folder.file(L"league #1.xml");
        untitled = folder.file(L"untitled.xml");
        notBracket = folder.file(L"recipe.xml");
        writeFileBytes(cup, CUP_XML);
        writeFileBytes(league, LEAGUE_XML);
        writeFileBytes(untitled, UNTITLED_XML);
        writeFileBytes(notBracket, NOT_A_BRACKET);
    }
    void TearDown() override
    {
        resetBracket(&bracket);
        if (window)
            DestroyWindow(window);
        CoUninitialize();
    }

    void openWindow(const std::wstring &startFile = L"")
    {
        lstrcpyW(state.path, startFile.c_str());
        window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc,
                                    (LPARAM)&state);
        ASSERT_NE(nullptr, window) << "IDD_MAIN could not be created";
    }

    // Sends one WM_COMMAND while steps answer what it opens. Returns the
    // script's complaints ("" when everything went as written).
    std::string send(WPARAM wParam, std::function<void(DialogScript &)> steps = [](DialogScript &) {},
                     LPARAM lParam = 0)
    {
        DialogScript script(window, steps);
        SendMessageW(window, WM_COMMAND, wParam, lParam);
        return script.finish();
    }

    std::string drop(const std::vector<std::wstring> &files,
                     std::function<void(DialogScript &)> steps = [](DialogScript &) {})
    {
        HGLOBAL handle = dropHandle(files);
        DialogScript script(window, steps);
        SendMessageW(window, WM_DROPFILES, (WPARAM)handle, 0);
        return script.finish();
    }
    static HGLOBAL dropHandle(const std::vector<std::wstring> &files)
    {
        size_t units = 1;
        for (const std::wstring &file : files)
            units += file.size() + 1;
        HGLOBAL handle = GlobalAlloc(GHND, sizeof(DROPFILES) + units * sizeof(WCHAR));
        DROPFILES *header = (DROPFILES *)GlobalLock(handle);
        header->pFiles = sizeof(DROPFILES);
        header->fWide = TRUE;
        WCHAR *names = (WCHAR *)(header + 1);
        for (const std::wstring &file : files) {
            lstrcpyW(names, file.c_str());
            names += file.size() + 1;
        }
        *names = 0;
        GlobalUnlock(handle);
        return handle;
    }

    // New, answered in the setup dialog with a title and the item at index.
    void newBracket(const std::wstring &title, int countIndex = 2)
    {
        EXPECT_EQ("", send(IDM_FILE_NEW, [&](DialogScript &s) { fillSetup(s, title, countIndex); }));
    }
    static void fillSetup(DialogScript &s, const std::wstring &title, int countIndex)
    {
        HWND setup = s.next("the setup dialog");
        if (!setup)
            return;
        SendDlgItemMessageW(setup, IDC_TEAMS_COMBO, CB_SETCURSEL, countIndex, 0);
        s.type(GetDlgItem(setup, IDC_TITLE_EDIT), title);
        s.press(setup, IDC_SETUP_OK);
    }
    // Presses OK on the message that shows next; returns its text.
    static std::wstring acknowledge(DialogScript &s)
    {
        HWND box = s.next("the message for a file that cannot be opened");
        std::wstring text = box ? DialogScript::messageText(box) : L"";
        s.press(box, IDOK);
        return text;
    }
    static void answerQuestion(DialogScript &s, int button)
    {
        HWND box = s.next("the save-changes question");
        EXPECT_EQ(L"Seedwise", DialogScript::caption(box));
        s.press(box, button);
    }

    HWND control(int id) { return bracket.nodeTable[id - 1]->control; }
    std::wstring name(int id) { return bracket.nodeTable[id - 1]->name; }
    void typeName(int id, const WCHAR *text) { SetWindowTextW(control(id), text); }
    // Drops the list down (which fills it), selects the name and reports the
    // change as the combobox does when a user clicks an item.
    void pick(int id, const WCHAR *text)
    {
        HWND combo = control(id);
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        ASSERT_NE(CB_ERR, SendMessageW(combo, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)text)) << "not offered";
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_SELCHANGE), (LPARAM)combo);
    }
    std::wstring caption() { return DialogScript::caption(window); }
    bool parkedEnabled() { return IsWindowEnabled(GetDlgItem(window, IDC_PARKED_BUTTON)) != 0; }
    bool baseReadOnly(int id) { return (GetWindowLongW(control(id), GWL_STYLE) & ES_READONLY) != 0; }
    bool ended() { return !IsWindowVisible(window); }
};

TEST_F(MainDialogTest, StartsEmptyWithTheButtonParkedOutOfSight)
{
    openWindow();
    HWND parked = GetDlgItem(window, IDC_PARKED_BUTTON);
    RECT rect;
    GetWindowRect(parked, &rect);
    MapWindowPoints(NULL, window, (POINT *)&rect, 2);
    EXPECT_EQ(-300, rect.left);
    EXPECT_EQ(-300, rect.top);
    RECT units = {0, 0, 15, 13};
    MapDialogRect(window, &units);
    EXPECT_EQ(units.right, rect.right - rect.left) << "the button keeps its size";
    EXPECT_TRUE(parkedEnabled());
    EXPECT_EQ(0, bracket.slotCount);
    EXPECT_EQ(L"Duelmark", caption());
    EXPECT_NE(nullptr, (HICON)SendMessageW(window, WM_GETICON, ICON_BIG, 0)) << "the big icon is set";
}

TEST_F(MainDialogTest, AStartUpFileThatLoadsIsShownReadOnlyAndKeepsItsPath)
{
    openWindow(cup);
    EXPECT_EQ(4, bracket.slotCount);
    EXPECT_EQ(cup, std::wstring(state.path));
    EXPECT_FALSE(parkedEnabled());
    EXPECT_TRUE(baseReadOnly(1));
    EXPECT_EQ(L"Duelmark - Cup", caption());
    EXPECT_EQ(0, bracket.dirty);
}

// A file that cannot be opened says so once, naming it, and leaves the
// window as it was. (Named at start-up, the same is checked on the shipped
// executable.)
TEST_F(MainDialogTest, AFileThatDoesNotLoadIsNamedAndLeavesAnEmptyWindowAndPath)
{
    openWindow();
    std::vector<std::wstring> texts;
    for (const std::wstring &file : {folder.file(L"missing.xml"), notBracket}) {
        std::wstring text;
        EXPECT_EQ("", drop({file}, [&](DialogScript &s) { text = acknowledge(s); }));
        EXPECT_NE(std::wstring::npos, text.find(file)) << "the message names the file";
        texts.push_back(text.substr(text.find(file) + file.size()));
        EXPECT_EQ(0, bracket.slotCount);
        EXPECT_STREQ(L"", state.path);
        EXPECT_TRUE(parkedEnabled());
        EXPECT_EQ(L"Duelmark", caption());
    }
    EXPECT_NE(texts[0], texts[1]) << "a missing file and a foreign one give different reasons";
}

TEST_F(MainDialogTest, NewMakesAnEditableDirtyBracketWithoutAFile)
{
    openWindow(cup);
    newBracket(L"Spring Cup");
    EXPECT_EQ(16, bracket.slotCount);
    EXPECT_EQ(1, bracket.dirty) << "a new bracket counts as unsaved";
    EXPECT_STREQ(L"", state.path);
    EXPECT_FALSE(parkedEnabled());
    EXPECT_FALSE(baseReadOnly(1));
    EXPECT_EQ(L"Duelmark - Spring Cup", caption());
    EXPECT_STREQ(L"Spring Cup", bracket.title);
}

TEST_F(MainDialogTest, NewOnADirtyBracketAsksFirstAndCancelKeepsTheOldOne)
{
    openWindow();
    newBracket(L"First", 0);
    typeName(1, L"Ann");

    // Cancel in the question: the setup dialog never opens.
    EXPECT_EQ("", send(IDM_FILE_NEW, [](DialogScript &s) { answerQuestion(s, IDCANCEL); }));
    // No, then Cancel in the setup dialog: the old bracket stays, still dirty.
    EXPECT_EQ("", send(IDM_FILE_NEW, [](DialogScript &s) {
        answerQuestion(s, IDNO);
        s.press(s.next("the setup dialog"), IDCANCEL);
    }));
    EXPECT_EQ(4, bracket.slotCount);
    EXPECT_EQ(L"Ann", name(1));
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_EQ(L"Duelmark - First", caption());
}

// When the setup dialog cannot be shown, its record was never filled in:
// New and Edit title must change nothing, exactly as on Cancel.
TEST_F(MainDialogTest, ASetupDialogThatCannotBeShownChangesNothing)
{
    openWindow(cup);
    {
        ScopedDialogAnswer refused(DIALOG_REFUSED);
        SendMessageW(window, WM_COMMAND, IDM_FILE_NEW, 0);
        SendMessageW(window, WM_COMMAND, IDM_EDIT_TITLE, 0);
    }
    EXPECT_EQ(4, bracket.slotCount);
    EXPECT_STREQ(L"Cup", bracket.title);
    EXPECT_EQ(cup, std::wstring(state.path));
    EXPECT_EQ(0, bracket.dirty);
    EXPECT_EQ(L"Duelmark - Cup", caption());
    EXPECT_FALSE(parkedEnabled());
}

// The old bracket is gone by the time the new tree is built; when that
// build runs out of memory the window falls back to the empty state
// instead of showing a bracket with no slots.
TEST_F(MainDialogTest, ANewBracketThatCannotBeBuiltLeavesTheWindowEmpty)
{
    openWindow(cup);
    std::string failures;
    {
        FailingAllocations failing;
        failures = send(IDM_FILE_NEW, [](DialogScript &s) { fillSetup(s, L"Too big", 4); });
    }
    EXPECT_EQ("", failures);
    EXPECT_EQ(0, bracket.slotCount);
    EXPECT_EQ(0, bracket.dirty) << "nothing is open, so nothing is unsaved";
    EXPECT_STREQ(L"", state.path);
    EXPECT_TRUE(parkedEnabled());
    EXPECT_EQ(GetDlgItem(window, IDC_PARKED_BUTTON), GetWindow(window, GW_CHILD));
    EXPECT_EQ(nullptr, GetWindow(GetWindow(window, GW_CHILD), GW_HWNDNEXT)) << "no slot control may be left";
    EXPECT_EQ("", send(IDCANCEL)) << "and the window ends without a question";
}

TEST_F(MainDialogTest, OpenLoadsTheChosenFileAndCancelOrABadFileChangeNothing)
{
    openWindow();
    EXPECT_EQ("", send(IDM_FILE_OPEN, [](DialogScript &s) { s.press(s.next("the Open dialog"), IDCANCEL); }));
    EXPECT_EQ(0, bracket.slotCount);
    EXPECT_TRUE(parkedEnabled());

    EXPECT_EQ("", send(IDM_FILE_OPEN, [&](DialogScript &s) { s.chooseFile(s.next("the Open dialog"), league); }));
    EXPECT_EQ(8, bracket.slotCount);
    EXPECT_EQ(league, std::wstring(state.path));
    EXPECT_FALSE(parkedEnabled());
    EXPECT_TRUE(baseReadOnly(1));
    EXPECT_EQ(L"E", name(1));

    EXPECT_EQ("", send(IDM_FILE_OPEN, [&](DialogScript &s) {
        s.chooseFile(s.next("the Open dialog"), notBracket);
        acknowledge(s);
    }));
    EXPECT_EQ(8, bracket.slotCount) << "a file that is not a bracket leaves the open one";
    EXPECT_EQ(league, std::wstring(state.path));
    EXPECT_EQ(L"Duelmark - League", caption());
}

TEST_F(MainDialogTest, OpenOnADirtyBracketAsksBeforeTheOpenDialog)
{
    openWindow(cup);
    typeName(2, L"Bea");
    EXPECT_EQ("", send(IDM_FILE_OPEN, [](DialogScript &s) { answerQuestion(s, IDCANCEL); }));
    EXPECT_EQ(L"Bea", name(2));
    EXPECT_EQ("", send(IDM_FILE_OPEN, [&](DialogScript &s) {
        answerQuestion(s, IDNO);
        s.chooseFile(s.next("the Open dialog"), league);
    }));
    EXPECT_EQ(8, bracket.slotCount);
    EXPECT_EQ(std::string::npos, readFileBytes(cup).find("Bea")) << "No must not save";
}

TEST_F(MainDialogTest, CloseEmptiesTheBracketButKeepsCaptionAndSize)
{
    openWindow(cup);
    RECT before;
    GetWindowRect(window, &before);
    EXPECT_EQ("", send(IDM_FILE_CLOSE));
    EXPECT_EQ(0, bracket.slotCount);
    EXPECT_STREQ(L"", state.path);
    EXPECT_TRUE(parkedEnabled());
    EXPECT_EQ(L"Duelmark - Cup", caption());
    RECT after;
    GetWindowRect(window, &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "the window keeps its size and place";
    HWND child = GetWindow(window, GW_CHILD);
    EXPECT_EQ(GetDlgItem(window, IDC_PARKED_BUTTON), child) << "only the parked button is left";
    EXPECT_EQ(nullptr, GetWindow(child, GW_HWNDNEXT));

    // Save with nothing open: the Save dialog opens, nothing is written.
    std::wstring target = folder.file(L"nothing.xml");
    EXPECT_EQ("", send(IDM_FILE_SAVE, [&](DialogScript &s) { s.chooseFile(s.next("the Save dialog"), target); }));
    EXPECT_FALSE(fileExists(target));
    EXPECT_STREQ(L"", state.path);
}

TEST_F(MainDialogTest, NewFollowedByCloseAsksSinceANewBracketIsUnsaved)
{
    openWindow();
    newBracket(L"Fresh");
    EXPECT_EQ("", send(IDM_FILE_CLOSE, [](DialogScript &s) { answerQuestion(s, IDCANCEL); }));
    EXPECT_EQ(16, bracket.slotCount);
    EXPECT_EQ("", send(IDM_FILE_CLOSE, [](DialogScript &s) { answerQuestion(s, IDNO); }));
    EXPECT_EQ(0, bracket.slotCount);
    EXPECT_EQ(0, bracket.dirty);
}

TEST_F(MainDialogTest, SaveAndSaveAsWriteWhatWasTypedAndPickedAndReopenIdentically)
{
    openWindow();
    newBracket(L"Derby", 0);
    const WCHAR *teams[] = {L"Ann", L"Bea", L"Cat", L"Dee"};
    for (int id = 1; id <= 4; id++)
        typeName(id, teams[id - 1]);
    pick(5, L"Bea");
    pick(6, L"Cat");
    pick(7, L"Cat");
    std::wstring first = folder.file(L"derby");
    EXPECT_EQ("", send(IDM_FILE_SAVE, [&](DialogScript &s) { s.chooseFile(s.next("the Save dialog"), first); }));
    EXPECT_EQ(first + L".xml", std::wstring(state.path)) << "the extension xml is added";
    EXPECT_EQ(0, bracket.dirty);

    // Save again: no dialog, the same file; removed meanwhile, it is
    // written again once the user says so.
    DeleteFileW((first + L".xml").c_str());
    EXPECT_EQ("", send(IDM_FILE_SAVE, [](DialogScript &s) { s.press(s.next("the removed-file question"), IDC_OVERWRITE); }));
    EXPECT_TRUE(fileExists(first + L".xml"));

    std::wstring second = folder.file(L"derby copy.xml");
    EXPECT_EQ("", send(IDM_FILE_SAVE_AS, [&](DialogScript &s) { s.chooseFile(s.next("the Save dialog"), second); }));
    EXPECT_EQ(second, std::wstring(state.path));

    EXPECT_EQ("", send(IDM_FILE_CLOSE));
    EXPECT_EQ("", send(IDM_FILE_OPEN, [&](DialogScript &s) { s.chooseFile(s.next("the Open dialog"), second); }));
    ASSERT_EQ(4, bracket.slotCount);
    const WCHAR *expected[] = {L"Ann", L"Bea", L"Cat", L"Dee", L"Bea", L"Cat", L"Cat"};
    for (int id = 1; id <= 7; id++)
        EXPECT_EQ(expected[id - 1], name(id)) << "slot " << id;
    EXPECT_STREQ(L"Derby", bracket.title);
    EXPECT_EQ(0, bracket.dirty);
}

TEST_F(MainDialogTest, ExitEndsAtOnceWhenNothingIsUnsaved)
{
    openWindow(cup);
    EXPECT_EQ("", send(IDCANCEL));
    EXPECT_TRUE(ended());
}

TEST_F(MainDialogTest, ExitWithChangesCancelKeepsNoEndsYesSavesFirst)
{
    openWindow(cup);
    typeName(3, L"Cora");
    EXPECT_EQ("", send(IDCANCEL, [](DialogScript &s) { answerQuestion(s, IDCANCEL); }));
    EXPECT_FALSE(ended());

    EXPECT_EQ("", send(IDCANCEL, [](DialogScript &s) { answerQuestion(s, IDYES); }));
    EXPECT_TRUE(ended());
    EXPECT_NE(std::string::npos, readFileBytes(cup).find("Cora")) << "Yes saves to the bracket's path";
}

TEST_F(MainDialogTest, ExitWithChangesAndNoFileEndsOnlyWhenTheSaveSucceeded)
{
    openWindow();
    newBracket(L"Unsaved");
    EXPECT_EQ("", send(IDCANCEL, [](DialogScript &s) {
        answerQuestion(s, IDYES);
        s.press(s.next("the Save dialog"), IDCANCEL);
    }));
    EXPECT_FALSE(ended()) << "a cancelled Save dialog keeps the window";

    EXPECT_EQ("", send(IDCANCEL, [](DialogScript &s) { answerQuestion(s, IDNO); }));
    EXPECT_TRUE(ended());
    EXPECT_EQ(1, bracket.dirty) << "No leaves the changes unsaved";
}

// The dialog manager turns the close box (WM_CLOSE) and Esc into IDCANCEL,
// which arrives through the message loop.
TEST_F(MainDialogTest, TheCloseBoxAndEscAskLikeExit)
{
    openWindow(cup);
    typeName(1, L"Zed");
    DialogScript first(window, [](DialogScript &s) { answerQuestion(s, IDCANCEL); });
    // Posted, and what they post in turn, all handled once the queue is
    // empty; the questions run inside.
    PostMessageW(window, WM_CLOSE, 0, 0);
    pumpMessages(window, 0);
    EXPECT_EQ("", first.finish());
    EXPECT_FALSE(ended());

    DialogScript second(window, [](DialogScript &s) { answerQuestion(s, IDNO); });
    SetFocus(control(2));
    PostMessageW(control(2), WM_KEYDOWN, VK_ESCAPE, 0);
    pumpMessages(window, 0);
    EXPECT_EQ("", second.finish());
    EXPECT_TRUE(ended());
}

TEST_F(MainDialogTest, LockAndUnlockOnlyTouchTheBaseEdits)
{
    openWindow();
    for (int command : {IDM_EDIT_LOCK_BASE, IDM_EDIT_UNLOCK_BASE, IDM_EDIT_CLEAR_PICKS, IDM_EDIT_VALIDATE,
                        IDM_EDIT_TITLE})
        EXPECT_EQ("", send(command)) << "command " << command << " with no bracket open";
    EXPECT_EQ(0, bracket.slotCount);

    newBracket(L"Locks", 1);
    bracket.dirty = 0;
    EXPECT_EQ("", send(IDM_EDIT_LOCK_BASE));
    for (int id = 1; id <= 8; id++)
        EXPECT_TRUE(baseReadOnly(id)) << "slot " << id;
    EXPECT_EQ(0, bracket.dirty);
    EXPECT_EQ("", send(IDM_EDIT_UNLOCK_BASE));
    for (int id = 1; id <= 8; id++)
        EXPECT_FALSE(baseReadOnly(id)) << "slot " << id;

    // Locked, then New: the new base slots are editable again.
    EXPECT_EQ("", send(IDM_EDIT_LOCK_BASE));
    EXPECT_EQ("", send(IDM_FILE_NEW, [](DialogScript &s) { fillSetup(s, L"Again", 0); }));
    EXPECT_FALSE(baseReadOnly(1));
}

TEST_F(MainDialogTest, ClearAndValidateChangePicksWithoutAnyQuestion)
{
    openWindow(cup);
    EXPECT_EQ("", send(IDM_EDIT_VALIDATE));
    EXPECT_EQ(L"A", name(5)) << "a valid pick stays";
    EXPECT_EQ(0, bracket.dirty);

    lstrcpyW(bracket.nodeTable[5]->name, L"Nobody");
    EXPECT_EQ("", send(IDM_EDIT_VALIDATE));
    EXPECT_EQ(L"", name(6)) << "an invalid pick is cleared";
    EXPECT_EQ(L"A", name(5));
    EXPECT_EQ(1, bracket.dirty);

    bracket.dirty = 0;
    EXPECT_EQ("", send(IDM_EDIT_CLEAR_PICKS));
    EXPECT_EQ(L"", name(5));
    EXPECT_EQ(L"A", name(1));
    EXPECT_EQ(1, bracket.dirty);
}

TEST_F(MainDialogTest, EditTitleRenamesAndMarksDirtyEvenWhenUnchanged)
{
    openWindow(cup);
    EXPECT_EQ("", send(IDM_EDIT_TITLE, [](DialogScript &s) {
        HWND setup = s.next("the setup dialog in Edit-title mode");
        WCHAR shown[256] = L"";
        GetDlgItemTextW(setup, IDC_TITLE_EDIT, shown, 256);
        EXPECT_STREQ(L"Cup", shown);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(setup, IDC_TEAMS_COMBO)));
        s.type(GetDlgItem(setup, IDC_TITLE_EDIT), L"Grand Cup");
        s.press(setup, IDC_SETUP_OK);
    }));
    EXPECT_EQ(L"Duelmark - Grand Cup", caption());
    EXPECT_STREQ(L"Grand Cup", bracket.title);
    EXPECT_EQ(4, bracket.slotCount);
    EXPECT_EQ(1, bracket.dirty);

    // Unsaved changes: the question first; Cancel there means no dialog.
    EXPECT_EQ("", send(IDM_EDIT_TITLE, [](DialogScript &s) { answerQuestion(s, IDCANCEL); }));
    EXPECT_STREQ(L"Grand Cup", bracket.title);

    // Confirmed unchanged after No: still counts as a change.
    EXPECT_EQ("", send(IDM_EDIT_TITLE, [](DialogScript &s) {
        answerQuestion(s, IDNO);
        s.press(s.next("the setup dialog in Edit-title mode"), IDC_SETUP_OK);
    }));
    EXPECT_STREQ(L"Grand Cup", bracket.title);
    EXPECT_EQ(1, bracket.dirty);
}

TEST_F(MainDialogTest, EditTitleOfAnUntitledBracketUsesNewModeButKeepsTheCount)
{
    openWindow(untitled);
    ASSERT_EQ(4, bracket.slotCount);
    EXPECT_EQ("", send(IDM_EDIT_TITLE, [](DialogScript &s) {
        HWND setup = s.next("the setup dialog in New mode");
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(setup, IDC_TEAMS_COMBO)));
        fillSetup(s, L"Named at last", 4);
    }));
    EXPECT_EQ(4, bracket.slotCount) << "the number of teams chosen is ignored";
    EXPECT_STREQ(L"Named at last", bracket.title);
}

TEST_F(MainDialogTest, ADropOpensOnlyTheFirstFileAndIgnoresANonBracket)
{
    openWindow();
    EXPECT_EQ("", drop({league, cup}));
    EXPECT_EQ(8, bracket.slotCount);
    EXPECT_EQ(league, std::wstring(state.path));
    EXPECT_FALSE(parkedEnabled());

    EXPECT_EQ("", drop({notBracket}, [](DialogScript &s) { acknowledge(s); }));
    EXPECT_EQ(8, bracket.slotCount);
    EXPECT_EQ(league, std::wstring(state.path));
    EXPECT_EQ(L"Duelmark - League", caption());
}

// A dropped name longer than the program keeps is refused whole, even when
// the name cut to that length is a file: that other file must never open.
TEST_F(MainDialogTest, ADroppedNameTooLongIsRefusedNotCut)
{
    openWindow(cup);
    std::wstring cut = folder.file(L"");
    cut += std::wstring(259 - cut.size(), L'c');
    writeFileBytes(cut, LEAGUE_XML);
    std::wstring whole = cut + L"up.xml";
    std::wstring text;
    EXPECT_EQ("", drop({whole}, [&](DialogScript &s) { text = acknowledge(s); }));
    EXPECT_NE(std::wstring::npos, text.find(whole)) << "the message names the whole file";
    EXPECT_EQ(4, bracket.slotCount) << "neither the cut name nor anything else opened";
    EXPECT_EQ(cup, std::wstring(state.path));
}

// With any dialog of the program open, a drop is let go unread: here the
// Save As dialog, which would otherwise save the dropped bracket.
TEST_F(MainDialogTest, ADropWhileADialogIsOpenIsIgnored)
{
    openWindow(cup);
    typeName(4, L"Dot");
    std::wstring target = folder.file(L"saved.xml");
    EXPECT_EQ("", send(IDM_FILE_SAVE_AS, [&](DialogScript &s) {
        HWND save = s.next("the Save dialog");
        SendMessageW(window, WM_DROPFILES, (WPARAM)dropHandle({league}), 0);
        s.chooseFile(save, target);
    }));
    EXPECT_EQ(4, bracket.slotCount);
    EXPECT_EQ(L"Dot", name(4));
    EXPECT_NE(std::string::npos, readFileBytes(target).find("Name=\"Dot\"")) << "the work behind the dialog is saved";
}

TEST_F(MainDialogTest, ADropOnUnsavedChangesAsksAndCancelForgetsIt)
{
    openWindow(cup);
    typeName(4, L"Dot");
    EXPECT_EQ("", drop({league}, [](DialogScript &s) { answerQuestion(s, IDCANCEL); }));
    EXPECT_EQ(4, bracket.slotCount);
    EXPECT_EQ(L"Dot", name(4));
    EXPECT_EQ("", drop({league}, [](DialogScript &s) { answerQuestion(s, IDNO); }));
    EXPECT_EQ(8, bracket.slotCount);
}

// Only the whole wParam counts: a menu id with notification code 1 (as an
// accelerator would send it), Enter's IDOK and slot notifications under the
// wrong id or code all do nothing.
TEST_F(MainDialogTest, CommandsMatchOnTheWholeWParam)
{
    openWindow(cup);
    EXPECT_EQ("", send(MAKEWPARAM(IDM_FILE_NEW, 1)));
    EXPECT_EQ("", send(MAKEWPARAM(IDM_FILE_CLOSE, 1)));
    EXPECT_EQ("", send(MAKEWPARAM(IDCANCEL, 1)));
    EXPECT_EQ("", send(IDOK));
    EXPECT_EQ(4, bracket.slotCount);
    EXPECT_FALSE(ended());

    SendMessageW(control(1), WM_SETTEXT, 0, (LPARAM)L"Quiet");
    // That raised a genuine EN_CHANGE: the name is taken.
    EXPECT_EQ(L"Quiet", name(1));
    EXPECT_EQ(L"", name(5)) << "the old name's pick is cleared";
    bracket.dirty = 0;
    lstrcpyW(bracket.nodeTable[0]->name, L"Model");
    EXPECT_EQ("", send(MAKEWPARAM(IDC_PICK_COMBO, EN_CHANGE), [](DialogScript &) {}, (LPARAM)control(1)));
    EXPECT_EQ("", send(MAKEWPARAM(IDC_TEAM_EDIT, CBN_SELCHANGE), [](DialogScript &) {}, (LPARAM)control(1)));
    EXPECT_EQ(L"Model", name(1)) << "a notification under the wrong id or code must be ignored";
    EXPECT_EQ(0, bracket.dirty);
    EXPECT_EQ("", send(MAKEWPARAM(IDC_TEAM_EDIT, EN_CHANGE), [](DialogScript &) {}, (LPARAM)control(1)));
    EXPECT_EQ(L"Quiet", name(1)) << "the right code and id take the control's text";
}

// Another process can post a notification naming any window. One that is
// not among the main window's own controls is not read, even when its
// window data looks like a slot's.
TEST_F(MainDialogTest, ANotificationFromAWindowThatIsNotItsOwnControlIsIgnored)
{
    openWindow(cup);
    HWND foreign = CreateWindowExW(0, L"Edit", L"Mallory", WS_POPUP, 0, 0, 80, 20, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, foreign);
    SetWindowLongPtrW(foreign, GWLP_USERDATA, (LONG_PTR)bracket.nodeTable[0]);
    EXPECT_EQ("", send(MAKEWPARAM(IDC_TEAM_EDIT, EN_CHANGE), [](DialogScript &) {}, (LPARAM)foreign));
    EXPECT_EQ(L"A", name(1)) << "the foreign window's text must not be taken";
    EXPECT_EQ(0, bracket.dirty);
    DestroyWindow(foreign);
    EXPECT_EQ("", send(MAKEWPARAM(IDC_TEAM_EDIT, EN_CHANGE), [](DialogScript &) {}, (LPARAM)control(1)));
    EXPECT_EQ(L"A", name(1)) << "the slot's own control still counts";
}

// A relative name dropped on the window is kept as the full path it had
// at that moment, so moving the current folder later cannot move the file.
TEST_F(MainDialogTest, ARelativeDroppedNameIsKeptAsAFullPath)
{
    openWindow();
    WCHAR before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.path.c_str()));
    EXPECT_EQ("", drop({L"cup.xml"}));
    SetCurrentDirectoryW(before);
    EXPECT_EQ(4, bracket.slotCount);
    EXPECT_EQ(cup, std::wstring(state.path)) << "the path kept must be the full one";
}

} // namespace
