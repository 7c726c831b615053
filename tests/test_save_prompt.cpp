// The save-changes question and Save / Save As, with the real message box,
// the platform's Save dialog and the real writer, answered from a second
// thread as a user would.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "support/dialog_script.h"
#include "support/temp_folder.h"
#include "ui/document/save_prompt.h"
#include "ui/dialogs/common_dialogs.h"

namespace {

const wchar_t QUESTION_TEXT[] = L"Changes have been made, do you want to save your changes?";

struct SavePromptTest : ::testing::Test {
    HWND window = NULL;
    Bracket bracket;
    DocumentState state = {};
    TempFolder folder;

    void SetUp() override
    {
        CoInitialize(NULL);
        window = CreateWindowExW(0, L"Static", L"main", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, NULL, NULL, NULL, NULL);
        ASSERT_NE(nullptr, window);
        initBracket(&bracket, GetModuleHandleW(NULL));
        state.bracket = &bracket;
        state.path[0] = 0;
    }
    void TearDown() override
    {
        resetBracket(&bracket);
        DestroyWindow(window);
        CoUninitialize();
    }

    // A 4-team bracket A, B, C, D with A picked in the first semi-final.
    void openBracket(int dirty)
    {
        ASSERT_EQ(1, buildBracket(&bracket, 4));
        const WCHAR *names[] = {L"A", L"B", L"C", L"D", L"A", L"", L""};
        for (int id = 1; id <= 7; id++)
            lstrcpyW(bracket.nodeTable[id - 1]->name, names[id - 1]);
        lstrcpyW(bracket.title, L"Cup");
        bracket.dirty = dirty;
    }

    int query(int saveNow, int askName, std::function<void(DialogScript &)> steps = [](DialogScript &) {})
    {
        DialogScript script(window, steps);
        int result = querySaveChanges(window, &state, saveNow, askName);
        EXPECT_EQ("", script.finish());
        return result;
    }

    // As a load or save leaves it: the path with what the file held then.
    void setPath(const std::wstring &path)
    {
        lstrcpyW(state.path, path.c_str());
        takeFileFingerprint(state.path, &state.disk);
    }
};

// The question box itself: owned by the main window, fixed English texts,
// Yes, No and Cancel with Yes the default.
void answerTheQuestion(DialogScript &s, int button)
{
    HWND box = s.next("the save-changes question");
    EXPECT_EQ(L"Seedwise", DialogScript::caption(box));
    EXPECT_EQ(QUESTION_TEXT, DialogScript::messageText(box));
    EXPECT_NE(nullptr, GetDlgItem(box, IDYES));
    EXPECT_NE(nullptr, GetDlgItem(box, IDNO));
    EXPECT_NE(nullptr, GetDlgItem(box, IDCANCEL));
    EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongW(GetDlgItem(box, IDYES), GWL_STYLE) & BS_TYPEMASK)
        << "Yes must be the default button";
    s.press(box, button);
}

bool containsTitle(const std::string &bytes, const char *title)
{
    return bytes.find(std::string("<Title>") + title + "</Title>") != std::string::npos;
}

TEST_F(SavePromptTest, NothingDirtyGoesOnWithoutAQuestion)
{
    openBracket(0);
    setPath(folder.file(L"untouched.xml"));
    EXPECT_EQ(1, query(0, 0));
    EXPECT_FALSE(fileExists(folder.file(L"untouched.xml"))) << "nothing may be written";
}

TEST_F(SavePromptTest, NoGoesOnWithoutSavingAndTheChangesStayUnsaved)
{
    openBracket(1);
    setPath(folder.file(L"cup.xml"));
    EXPECT_EQ(1, query(0, 0, [](DialogScript &s) { answerTheQuestion(s, IDNO); }));
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_FALSE(fileExists(folder.file(L"cup.xml")));
}

TEST_F(SavePromptTest, CancelStopsTheCallerAndChangesNothing)
{
    openBracket(1);
    setPath(folder.file(L"cup.xml"));
    EXPECT_EQ(0, query(0, 0, [](DialogScript &s) { answerTheQuestion(s, IDCANCEL); }));
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_FALSE(fileExists(folder.file(L"cup.xml")));
    EXPECT_EQ(folder.file(L"cup.xml"), std::wstring(state.path));
}

TEST_F(SavePromptTest, YesWithAPathWritesThereWithoutAFileDialog)
{
    openBracket(1);
    setPath(folder.file(L"cup.xml"));
    EXPECT_EQ(1, query(0, 0, [](DialogScript &s) { answerTheQuestion(s, IDYES); }));
    EXPECT_EQ(0, bracket.dirty) << "a successful save leaves nothing unsaved";
    EXPECT_TRUE(containsTitle(readFileBytes(folder.file(L"cup.xml")), "Cup"));
    EXPECT_EQ(folder.file(L"cup.xml"), std::wstring(state.path));
}

TEST_F(SavePromptTest, YesWithoutAPathAsksForANameAndCancellingThatStopsTheCaller)
{
    openBracket(1);
    EXPECT_EQ(0, query(0, 0, [](DialogScript &s) {
        answerTheQuestion(s, IDYES);
        HWND save = s.next("the Save dialog");
        WCHAR proposed[PATH_CAPACITY] = L"?";
        GetWindowTextW(s.fileNameEdit(save), proposed, PATH_CAPACITY);
        EXPECT_STREQ(L"", proposed) << "no name may be proposed";
        s.press(save, IDCANCEL);
    }));
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_STREQ(L"", state.path);
}

TEST_F(SavePromptTest, SaveAsAsksForANewNameEvenWithAPathAndTakesIt)
{
    openBracket(0);
    setPath(folder.file(L"old.xml"));
    std::wstring target = folder.file(L"new name.xml");
    EXPECT_EQ(1, query(1, 1, [&](DialogScript &s) {
        HWND save = s.next("the Save dialog");
        WCHAR proposed[PATH_CAPACITY] = L"?";
        GetWindowTextW(s.fileNameEdit(save), proposed, PATH_CAPACITY);
        EXPECT_STREQ(L"", proposed) << "Save As must not propose the current name";
        s.chooseFile(save, target);
    }));
    EXPECT_TRUE(containsTitle(readFileBytes(target), "Cup"));
    EXPECT_FALSE(fileExists(folder.file(L"old.xml")));
    EXPECT_EQ(target, std::wstring(state.path));
}

TEST_F(SavePromptTest, ANameWithoutExtensionGetsXml)
{
    openBracket(1);
    EXPECT_EQ(1, query(1, 0, [&](DialogScript &s) { s.chooseFile(s.next("the Save dialog"), folder.file(L"plain")); }));
    EXPECT_TRUE(fileExists(folder.file(L"plain.xml")));
    EXPECT_FALSE(fileExists(folder.file(L"plain")));
    EXPECT_EQ(folder.file(L"plain.xml"), std::wstring(state.path));
}

// Replacing an existing file is confirmed in a box owned by the Save
// dialog; declining it returns to the dialog, accepting it replaces.
TEST_F(SavePromptTest, AnExistingFileIsReplacedOnlyAfterConfirmation)
{
    openBracket(1);
    std::wstring existing = folder.file(L"existing.xml");
    writeFileBytes(existing, "old bytes");

    EXPECT_EQ(0, query(1, 1, [&](DialogScript &s) {
        HWND save = s.next("the Save dialog");
        s.chooseFile(save, existing);
        HWND confirm = s.next("the replace confirmation");
        EXPECT_EQ(save, GetWindow(confirm, GW_OWNER)) << "the confirmation belongs to the Save dialog";
        s.press(confirm, IDNO);
        for (DWORD start = GetTickCount(); IsWindow(confirm) && GetTickCount() - start < 30000;)
            Sleep(10);
        SendMessageTimeoutW(save, WM_NULL, 0, 0, SMTO_NORMAL, 30000, NULL);
        EXPECT_TRUE(IsWindow(save)) << "declining must return to the Save dialog";
        s.press(save, IDCANCEL);
    }));
    EXPECT_EQ("old bytes", readFileBytes(existing));

    EXPECT_EQ(1, query(1, 1, [&](DialogScript &s) {
        HWND save = s.next("the Save dialog");
        s.chooseFile(save, existing);
        s.press(s.next("the replace confirmation"), IDYES);
    }));
    EXPECT_TRUE(containsTitle(readFileBytes(existing), "Cup"));
}

TEST_F(SavePromptTest, SaveWithNoBracketOpenShowsTheDialogButWritesNothing)
{
    std::wstring target = folder.file(L"empty.xml");
    EXPECT_EQ(0, query(1, 0, [&](DialogScript &s) { s.chooseFile(s.next("the Save dialog"), target); }));
    EXPECT_FALSE(fileExists(target));
    EXPECT_STREQ(L"", state.path);
}

TEST_F(SavePromptTest, SaveWithAPathAndNoChangesWritesAgainWithoutAQuestion)
{
    openBracket(0);
    std::wstring target = folder.file(L"again.xml");
    setPath(target);
    EXPECT_EQ(1, query(1, 0));
    EXPECT_TRUE(containsTitle(readFileBytes(target), "Cup"));
}

// The writer's own invalid-picks question, declined: nothing written, and
// the caller is told to stop.
TEST_F(SavePromptTest, DecliningToClearInvalidPicksWritesNothingAndKeepsThePath)
{
    openBracket(1);
    lstrcpyW(bracket.nodeTable[5]->name, L"Nobody");
    std::wstring target = folder.file(L"invalid.xml");
    setPath(target);
    EXPECT_EQ(0, query(0, 0, [](DialogScript &s) {
        answerTheQuestion(s, IDYES);
        HWND invalid = s.next("the invalid-picks question");
        EXPECT_EQ(L"Duelmark", DialogScript::caption(invalid));
        s.press(invalid, IDNO);
    }));
    EXPECT_FALSE(fileExists(target));
    EXPECT_EQ(target, std::wstring(state.path));
    EXPECT_STREQ(L"Nobody", bracket.nodeTable[5]->name);
}

// Two entrants of one name (here "C" and "c ") make a file whose picks
// cannot say which won: Save asks first, No writes nothing, Yes writes.
TEST_F(SavePromptTest, TwoEntrantsOfOneNameAreWrittenOnlyAfterYes)
{
    openBracket(1);
    lstrcpyW(bracket.nodeTable[3]->name, L"c ");
    std::wstring target = folder.file(L"twice.xml");
    setPath(target);
    auto answer = [](int button) {
        return [button](DialogScript &s) {
            HWND question = s.next("the repeated-name question");
            EXPECT_NE(std::wstring::npos, DialogScript::messageText(question).find(L"C"));
            s.press(question, button);
        };
    };
    EXPECT_EQ(0, query(SAVE_WITHOUT_ASKING, NAME_WHEN_NEEDED, answer(IDNO)));
    EXPECT_FALSE(fileExists(target));
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_EQ(1, query(SAVE_WITHOUT_ASKING, NAME_WHEN_NEEDED, answer(IDYES)));
    EXPECT_TRUE(containsTitle(readFileBytes(target), "Cup"));
}

// A question that cannot be shown at all must not count as No: the
// changes would be dropped without the user ever being asked.
TEST_F(SavePromptTest, AQuestionThatCannotBeShownStopsTheCaller)
{
    openBracket(1);
    HWND gone = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    DestroyWindow(gone);
    DialogScript script(window, [](DialogScript &) {});
    int result = querySaveChanges(gone, &state, 0, 0);
    std::string unexpected = script.finish();
    if (unexpected.empty())
        EXPECT_EQ(0, result) << "a failed question box must count as Cancel";
    else
        GTEST_SKIP() << "this platform showed the box despite the destroyed owner: " << unexpected;
}

// A failed save shows one message owned by the main window that names the
// file and gives the platform's reason, in the executable's language; a
// satellite made before these texts existed falls back to them.
TEST_F(SavePromptTest, AFailedSaveSaysWhichFileAndWhyAlsoFromASatelliteWithoutTheTexts)
{
    openBracket(1);
    std::wstring locked = folder.file(L"locked.xml");
    writeFileBytes(locked, "old");
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    setPath(locked);
    WCHAR reason[512] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, ERROR_ACCESS_DENIED, 0, reason,
                   512, NULL);
    std::wstring denied = reason;
    denied = denied.substr(0, denied.find_last_not_of(L"\r\n ") + 1);
    ASSERT_FALSE(denied.empty());

    HMODULE withoutTexts = GetModuleHandleW(L"ntdll.dll");
    ASSERT_EQ(nullptr, FindResourceW(withoutTexts, MAKEINTRESOURCEW(IDS_SAVE_FAILED / 16 + 1), RT_STRING))
        << "the stand-in satellite must lack the texts";
    for (HMODULE module : {GetModuleHandleW(NULL), withoutTexts}) {
        bracket.resourceModule = module;
        std::wstring text, caption;
        HWND owner = NULL;
        EXPECT_EQ(0, query(1, 0, [&](DialogScript &s) {
            HWND box = s.next("the failed save's message");
            text = DialogScript::messageText(box);
            caption = DialogScript::caption(box);
            owner = GetWindow(box, GW_OWNER);
            s.press(box, IDOK);
        }));
        EXPECT_EQ(window, owner) << "the message belongs to the main window";
        EXPECT_EQ(L"Duelmark", caption);
        EXPECT_EQ(0u, text.find(L"\x7121\x6CD5\x5132\x5B58 " + locked)) << "the executable's text naming the file";
        EXPECT_NE(std::wstring::npos, text.find(denied)) << "the platform's reason";
        EXPECT_EQ(1, bracket.dirty);
        EXPECT_EQ("old", readFileBytes(locked));
    }
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(BracketFileDialog, ParametersForOpenAndSave)
{
    OPENFILENAMEW dialog;
    WCHAR buffer[PATH_CAPACITY];
    lstrcpyW(buffer, L"stale");
    HWND owner = (HWND)0x1234;
    fillBracketFileDialog(&dialog, owner, buffer, OPEN_DIALOG_FLAGS);
    EXPECT_EQ(152u, dialog.lStructSize);
    EXPECT_EQ(owner, dialog.hwndOwner);
    EXPECT_EQ(0, memcmp(L"XML\0*.xml\0", dialog.lpstrFilter, sizeof L"XML\0*.xml\0"));
    EXPECT_EQ(1u, dialog.nFilterIndex);
    EXPECT_EQ(buffer, dialog.lpstrFile);
    EXPECT_STREQ(L"", buffer) << "no name is proposed";
    EXPECT_EQ(260u, dialog.nMaxFile);
    EXPECT_EQ(0x00021806u, dialog.Flags);
    EXPECT_STREQ(L"xml", dialog.lpstrDefExt);
    EXPECT_EQ(nullptr, dialog.lpstrInitialDir);
    EXPECT_EQ(nullptr, dialog.lpstrTitle);
    EXPECT_EQ(nullptr, dialog.lpfnHook);
    EXPECT_EQ(0u, dialog.FlagsEx);
    fillBracketFileDialog(&dialog, owner, buffer, SAVE_DIALOG_FLAGS);
    EXPECT_EQ(0x00020806u, dialog.Flags) << "Save: the same without OFN_FILEMUSTEXIST";
}

} // namespace
