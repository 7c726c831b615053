// findResourceModule as the editor meets it: this test program stands in for
// the executable, and each case puts something (or nothing) at its own
// "<program>.mui" before the first call. The choice is cached per process,
// and gtest cases run as processes of their own.
#include <gtest/gtest.h>

#include <windows.h>
#include <string>

#include "app/resource_module.h"
#include "res/resource.h"
#include "support/build_paths.h"
#include "support/temp_folder.h"

namespace {

struct ResourceModuleTest : ::testing::Test {
    // Every case uses the same "<program>.mui", and CTest may run two cases
    // at once: the mutex makes them take turns.
    HANDLE turn = NULL;
    WCHAR satellitePath[MAX_PATH + 8] = L"";

    void SetUp() override
    {
        turn = CreateMutexW(NULL, FALSE, L"duelmark-test-resource-module");
        ASSERT_NE(nullptr, turn);
        DWORD waited = WaitForSingleObject(turn, 30000);
        ASSERT_TRUE(waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) << "waited " << waited;
        DWORD length = GetModuleFileNameW(NULL, satellitePath, MAX_PATH);
        ASSERT_GT(length, 0u);
        ASSERT_LT(length, (DWORD)MAX_PATH);
        lstrcatW(satellitePath, L".mui");
        removeSatellite();
    }
    void TearDown() override
    {
        removeSatellite();
        if (turn) {
            ReleaseMutex(turn);
            CloseHandle(turn);
        }
    }
    void removeSatellite()
    {
        DeleteFileW(satellitePath);
        RemoveDirectoryW(satellitePath);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(satellitePath)) << "could not clear the satellite path";
    }
    void placeEnglishSatellite()
    {
        ASSERT_TRUE(CopyFileW(dosPathOf(DUELMARK_SATELLITE).c_str(), satellitePath, FALSE))
            << "could not copy the satellite from " << DUELMARK_SATELLITE;
    }
    static std::wstring question(HMODULE module)
    {
        WCHAR text[256] = L"";
        LoadStringW(module, IDS_INVALID_PICKS, text, 256);
        return text;
    }
};

const WCHAR CHINESE_QUESTION[] = L"發現有些不合法的選擇。您是否要清除這些不合法的選擇?";

TEST_F(ResourceModuleTest, WithoutASatelliteTheExecutableSuppliesEverything)
{
    HMODULE module = findResourceModule();
    EXPECT_EQ(GetModuleHandleW(NULL), module) << "expected the executable's own module";
    EXPECT_EQ(std::wstring(CHINESE_QUESTION), question(module));
}

TEST_F(ResourceModuleTest, ASatelliteSuppliesStringsDialogsAndMenuButNotTheIcon)
{
    placeEnglishSatellite();
    HMODULE module = findResourceModule();
    ASSERT_NE(nullptr, module);
    EXPECT_NE(GetModuleHandleW(NULL), module) << "expected the satellite, got the executable";
    EXPECT_EQ(0u, question(module).find(L"Some invalid selections")) << "the question is not the satellite's";

    HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_SETUP), NULL,
                                     [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return 0; }, 0);
    ASSERT_NE(nullptr, dialog) << "the setup dialog did not open from the satellite";
    WCHAR label[64] = L"";
    GetDlgItemTextW(dialog, IDC_TEAMS_LABEL, label, 64);
    EXPECT_STREQ(L"&Number of teams:", label);
    DestroyWindow(dialog);

    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(IDR_MAIN_MENU));
    ASSERT_NE(nullptr, menu);
    WCHAR popup[32] = L"";
    GetMenuStringW(menu, 0, popup, 32, MF_BYPOSITION);
    EXPECT_STREQ(L"&File", popup);
    DestroyMenu(menu);

    // The satellite has no icon, so windows must keep taking theirs from
    // the executable.
    EXPECT_EQ(nullptr, FindResourceW(module, MAKEINTRESOURCEW(IDI_APP), RT_GROUP_ICON));
    EXPECT_NE(nullptr, LoadIconW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDI_APP)));
    FreeLibrary(module);
}

// The editor asks again for every setup dialog; each load as a data file
// would be a new mapping, so the first one must be handed out every time.
TEST_F(ResourceModuleTest, RepeatedCallsReturnTheOneLoadedSatellite)
{
    placeEnglishSatellite();
    HMODULE first = findResourceModule();
    ASSERT_NE(GetModuleHandleW(NULL), first) << "expected the satellite";
    for (int call = 2; call <= 5; call++)
        EXPECT_EQ(first, findResourceModule()) << "call " << call << " returned another handle";
    FreeLibrary(first);
}

TEST_F(ResourceModuleTest, AFileThatIsNoModuleLeavesTheExecutable)
{
    HANDLE file = CreateFileW(satellitePath, GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, "not a module", 12, &written, NULL);
    CloseHandle(file);

    EXPECT_EQ(GetModuleHandleW(NULL), findResourceModule()) << "expected the executable";
    EXPECT_EQ(GetModuleHandleW(NULL), findResourceModule()) << "expected the executable on the second call";
    EXPECT_EQ(std::wstring(CHINESE_QUESTION), question(findResourceModule()));
}

// A directory passes the existence test but cannot be loaded.
TEST_F(ResourceModuleTest, ADirectoryAtThePathLeavesTheExecutable)
{
    ASSERT_TRUE(CreateDirectoryW(satellitePath, NULL));
    EXPECT_EQ(GetModuleHandleW(NULL), findResourceModule()) << "expected the executable";
    EXPECT_EQ(std::wstring(CHINESE_QUESTION), question(findResourceModule()));
}

// Languages as the platform lists them: tags separated by "|" here.
std::wstring languageList(const std::wstring &tags)
{
    std::wstring list = tags;
    for (WCHAR &c : list)
        if (c == L'|')
            c = 0;
    return list + std::wstring(2, L'\0');
}

void placeFile(const std::wstring &path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << "could not create a file";
    CloseHandle(file);
}

// The walk over the display languages, on a real folder: lang\en and
// lang\de-CH hold satellites; lang\fr holds a folder where the file would be.
TEST(LanguageSatellite, TheFirstLanguageWithTextsWinsAndChineseTakesTheBuiltIn)
{
    TempFolder folder;
    CreateDirectoryW(folder.file(L"lang").c_str(), NULL);
    for (const WCHAR *language : {L"en", L"de-CH", L"fr"})
        ASSERT_TRUE(CreateDirectoryW(folder.file(std::wstring(L"lang\\") + language).c_str(), NULL));
    placeFile(folder.file(L"lang\\en\\duelmark.exe.mui"));
    placeFile(folder.file(L"lang\\de-CH\\duelmark.exe.mui"));
    ASSERT_TRUE(CreateDirectoryW(folder.file(L"lang\\fr\\duelmark.exe.mui").c_str(), NULL));

    struct Case {
        const WCHAR *languages;
        const WCHAR *expected;  // the language folder taken, or NULL for the built-in texts
    } cases[] = {
        {L"en-US", L"en"},             // the language alone when the full tag has none
        {L"en-GB|en", L"en"},
        {L"de-CH|en-US", L"de-CH"},    // the full tag first
        {L"ja-JP|de-CH", L"de-CH"},    // a later preference with texts beats the English fallback
        {L"de-DE", L"en"},             // no lang\de: English
        {L"fr-FR", L"en"},             // a folder named like the satellite is no satellite
        {L"", L"en"},                  // the platform told nothing
        {L"zh-TW|en-US", NULL},        // Chinese: the executable's own texts
        {L"ja-JP|zh-HK|en-US", NULL},  // reached before any language with texts
        {L"zh-Hant-TW", NULL},
        {L"ZH-cn", NULL},
        {L"zu-ZA", L"en"},             // "z" but not Chinese
    };
    std::wstring program = folder.file(L"duelmark.exe");
    for (const Case &c : cases) {
        std::wstring languages = languageList(c.languages);
        WCHAR satellite[SATELLITE_PATH_CAPACITY] = L"unset";
        int found = findLanguageSatellite(program.c_str(), languages.c_str(), satellite);
        if (!c.expected) {
            EXPECT_EQ(0, found) << "languages " << c.languages << ": expected the built-in texts, got " << satellite;
            continue;
        }
        std::wstring expected = folder.file(std::wstring(L"lang\\") + c.expected + L"\\duelmark.exe.mui");
        EXPECT_EQ(1, found) << "languages " << c.languages << ": expected lang\\" << c.expected;
        EXPECT_EQ(expected, std::wstring(satellite)) << "languages " << c.languages;
    }

    // Without lang\en a language with no texts of its own stays Chinese.
    ASSERT_TRUE(DeleteFileW(folder.file(L"lang\\en\\duelmark.exe.mui").c_str()));
    WCHAR satellite[SATELLITE_PATH_CAPACITY];
    EXPECT_EQ(0, findLanguageSatellite(program.c_str(), languageList(L"de-DE|en-US").c_str(), satellite));
    EXPECT_EQ(1, findLanguageSatellite(program.c_str(), languageList(L"de-CH").c_str(), satellite));
}

}  // namespace
