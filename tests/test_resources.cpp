// The resources as the platform reads them back: the executable's Chinese
// set under 0x0C04 and the English satellite with the same identifiers.
// Templates and menus are decoded from their raw bytes, because the dialog
// manager and LoadMenuW hide most of what they contain.
#include <gtest/gtest.h>

#include <windows.h>
#include <string>
#include <vector>

#include "res/resource.h"
#include "support/build_paths.h"

namespace {

const WORD CHINESE_HONG_KONG = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_HONGKONG);
const WORD ENGLISH_US = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// The editor when it is built, else this test program, which links the
// very same compiled resource script.
HMODULE executableResources()
{
#ifdef DUELMARK_EXECUTABLE
    static HMODULE module = LoadLibraryExW(dosPathOf(DUELMARK_EXECUTABLE).c_str(), NULL,
                                           LOAD_LIBRARY_AS_DATAFILE);
    return module;
#else
    return GetModuleHandleW(NULL);
#endif
}

HMODULE satellite()
{
    static HMODULE module = LoadLibraryExW(dosPathOf(DUELMARK_SATELLITE).c_str(), NULL,
                                           LOAD_LIBRARY_AS_DATAFILE);
    return module;
}

std::vector<BYTE> resourceBytes(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language)
{
    HRSRC found = FindResourceExW(module, type, name, language);
    if (!found)
        return {};
    const BYTE *data = (const BYTE *)LockResource(LoadResource(module, found));
    return std::vector<BYTE>(data, data + SizeofResource(module, found));
}

// Reads the little-endian fields of a resource in order.
struct Reader {
    const std::vector<BYTE> &bytes;
    size_t at = 0;

    WORD word() { WORD w = (WORD)(bytes.at(at) | bytes.at(at + 1) << 8); at += 2; return w; }
    DWORD dword() { DWORD low = word(); return low | (DWORD)word() << 16; }
    short coordinate() { return (short)word(); }
    std::wstring text()
    {
        std::wstring s;
        for (WORD c = word(); c; c = word())
            s += (WCHAR)c;
        return s;
    }
    // A name or an ordinal; ordinals of the predefined classes come back as
    // the class names, others as "#n".
    std::wstring nameOrOrdinal()
    {
        if (bytes.at(at) != 0xFF || bytes.at(at + 1) != 0xFF)
            return text();
        word();
        WORD ordinal = word();
        static const WCHAR *const classes[] = {L"BUTTON", L"EDIT", L"STATIC", L"LISTBOX", L"SCROLLBAR", L"COMBOBOX"};
        if (ordinal >= 0x80 && ordinal <= 0x85)
            return classes[ordinal - 0x80];
        return L"#" + std::to_wstring(ordinal);
    }
    void alignToDword() { at = (at + 3) & ~(size_t)3; }
};

struct DialogItem {
    DWORD exStyle, style;
    short x, y, cx, cy;
    DWORD id;
    std::wstring className, text;
};

struct DialogTemplate {
    WORD version = 0, signature = 0;
    DWORD exStyle = 0, style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring menu, className, caption, face;
    WORD pointSize = 0, weight = 0;
    BYTE italic = 0, charset = 0;
    std::vector<DialogItem> items;
};

DialogTemplate readDialog(HMODULE module, int id, WORD language)
{
    std::vector<BYTE> bytes = resourceBytes(module, RT_DIALOG, MAKEINTRESOURCEW(id), language);
    DialogTemplate d;
    if (bytes.empty())
        return d;
    Reader r{bytes};
    d.version = r.word();
    d.signature = r.word();
    r.dword();  // help id
    d.exStyle = r.dword();
    d.style = r.dword();
    WORD count = r.word();
    d.x = r.coordinate(); d.y = r.coordinate(); d.cx = r.coordinate(); d.cy = r.coordinate();
    d.menu = r.nameOrOrdinal();
    d.className = r.nameOrOrdinal();
    d.caption = r.text();
    if (d.style & DS_SETFONT) {
        d.pointSize = r.word();
        d.weight = r.word();
        d.italic = bytes.at(r.at++);
        d.charset = bytes.at(r.at++);
        d.face = r.text();
    }
    for (WORD i = 0; i < count; i++) {
        r.alignToDword();
        DialogItem item;
        r.dword();  // help id
        item.exStyle = r.dword();
        item.style = r.dword();
        item.x = r.coordinate(); item.y = r.coordinate(); item.cx = r.coordinate(); item.cy = r.coordinate();
        item.id = r.dword();
        item.className = r.nameOrOrdinal();
        item.text = r.nameOrOrdinal();
        r.at += r.word();  // creation data
        d.items.push_back(item);
    }
    return d;
}

struct MenuEntry {
    int depth;
    WORD flags;  // without MF_END, which only marks the last item of a level
    WORD id;     // 0 for popups and separators
    std::wstring text;
};

// Items of one level in order, each popup followed by its own items.
void readMenuLevel(Reader &r, int depth, std::vector<MenuEntry> &entries)
{
    for (;;) {
        WORD flags = r.word();
        MenuEntry entry{depth, (WORD)(flags & ~MF_END), 0, L""};
        if (!(flags & MF_POPUP))
            entry.id = r.word();
        entry.text = r.text();
        entries.push_back(entry);
        if (flags & MF_POPUP)
            readMenuLevel(r, depth + 1, entries);
        if (flags & MF_END)
            return;
    }
}

struct Menu {
    WORD version = 0xFFFF, headerSize = 0xFFFF;  // both 0 in the plain format
    std::vector<MenuEntry> entries;
};

Menu readMenu(HMODULE module, WORD language)
{
    std::vector<BYTE> bytes = resourceBytes(module, RT_MENU, MAKEINTRESOURCEW(IDR_MAIN_MENU), language);
    Menu menu;
    if (bytes.empty())
        return menu;
    Reader r{bytes};
    menu.version = r.word();
    menu.headerSize = r.word();
    if (menu.version == 0)
        readMenuLevel(r, 0, menu.entries);
    return menu;
}

// String table block 1 holds ids 0..15, each as a counted string.
std::wstring tableString(HMODULE module, int id, WORD language)
{
    std::vector<BYTE> bytes = resourceBytes(module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), language);
    if (bytes.empty())
        return L"<no string block>";
    Reader r{bytes};
    for (int i = 0; i < id % 16; i++)
        r.at += 2 * r.word();
    std::wstring s;
    for (WORD length = r.word(); length; length--)
        s += (WCHAR)r.word();
    return s;
}

// Both modules must load: a NULL module would make FindResourceExW search
// this program instead and hide a missing file.
struct ResourcesTest : ::testing::Test {
    void SetUp() override
    {
        ASSERT_NE(nullptr, executableResources()) << "the editor did not load as a data file";
        ASSERT_NE(nullptr, satellite()) << "the English satellite did not load from " << DUELMARK_SATELLITE;
    }
};

struct ExpectedMenuEntry {
    int depth;
    WORD flags;
    WORD id;
    const WCHAR *text;
};

// Separators are items with id 0 and no text; no item carries a state.
// Items with a keyboard shortcut name it after a tab.
const ExpectedMenuEntry CHINESE_MENU[] = {
    {0, MF_POPUP, 0, L"檔案(&F)"},
    {1, 0, IDM_FILE_NEW, L"新檔案(&N)\tCtrl+N"},
    {1, 0, IDM_FILE_NEW_FROM_LIST, L"從清單建立(&L)...\tCtrl+Shift+N"},
    {1, 0, IDM_FILE_OPEN, L"開啟(&O)...\tCtrl+O"},
    {1, 0, IDM_FILE_CLOSE, L"關閉(&C)"},
    {1, 0, 0, L""},
    {1, 0, IDM_FILE_SAVE, L"儲存檔案(&S)\tCtrl+S"},
    {1, 0, IDM_FILE_SAVE_AS, L"另存新檔(&A)...\tCtrl+Shift+S"},
    {1, 0, 0, L""},
    {1, 0, IDM_FILE_IMPORT_ENTRANTS, L"匯入參賽者(&M)..."},
    {1, 0, IDM_FILE_EXPORT_ENTRANTS, L"匯出參賽者(&T)..."},
    {1, 0, IDM_FILE_EXPORT_RESULTS, L"匯出賽果(&R)..."},
    {1, 0, IDM_FILE_EXPORT_PICTURE, L"匯出圖片(&I)..."},
    {1, 0, IDM_FILE_PAGE_SETUP, L"版面設定(&U)..."},
    {1, 0, IDM_FILE_PRINT_PREVIEW, L"預覽列印(&V)"},
    {1, 0, IDM_FILE_PRINT, L"列印(&P)...\tCtrl+P"},
    {1, 0, IDM_FILE_PRINT_ORDER, L"列印賽程表(&Y)..."},
    {1, 0, IDM_FILE_PUBLISH, L"發佈即時網頁(&B)..."},
    {1, 0, 0, L""},
    {1, 0, IDCANCEL, L"結束(&E)"},
    {0, MF_POPUP, 0, L"編輯(&E)"},
    {1, 0, IDM_EDIT_UNDO, L"復原(&O)\tCtrl+Z"},
    {1, 0, IDM_EDIT_REDO, L"重做(&R)\tCtrl+Y"},
    {1, 0, 0, L""},
    {1, 0, IDM_EDIT_LOCK_BASE, L"鎖定基底選擇(&L)"},
    {1, 0, IDM_EDIT_UNLOCK_BASE, L"消除鎖定基底選擇(&U)"},
    {1, 0, 0, L""},
    {1, 0, IDM_EDIT_TITLE, L"編輯標題(&M)"},
    {1, 0, 0, L""},
    {1, 0, IDM_EDIT_VALIDATE, L"驗證選擇(&V)"},
    {1, 0, 0, L""},
    {1, 0, IDM_EDIT_CLEAR_PICKS, L"清除非基底選擇(&C)"},
    {1, 0, 0, L""},
    {1, 0, IDM_EDIT_ENTRANTS, L"參賽者(&E)..."},
    {1, 0, IDM_EDIT_PASTE_LIST, L"貼上隊伍清單(&P)"},
    {1, 0, IDM_EDIT_DRAW_TEAMS, L"抽籤(&D)"},
    {1, 0, 0, L""},
    {1, 0, IDM_EDIT_COPY_PICTURE, L"複製圖片(&Y)"},
    {1, 0, 0, L""},
    {1, 0, IDM_EDIT_MATCH_RESULT, L"比賽結果(&S)...\tCtrl+R"},
    {1, 0, IDM_EDIT_ORDER_TIED, L"排列同分選手(&A)..."},
    {1, 0, IDM_EDIT_THIRD_PLACE, L"季軍賽(&H)"},
    {1, 0, IDM_EDIT_DOUBLE_ELIMINATION, L"雙敗淘汰(&B)"},
    {1, 0, IDM_EDIT_GRAND_FINAL_RESET, L"總決賽加賽(&G)"},
    {1, 0, 0, L""},
    {1, 0, IDM_EDIT_SCHEDULE, L"排定比賽(&T)..."},
    {1, 0, IDM_EDIT_COPY_ORDER, L"複製賽程表(&Q)"},
    {1, 0, 0, L""},
    {1, 0, IDM_EDIT_RENAME_ENTRANT, L"更改參賽者名稱(&N)..."},
    {1, 0, IDM_EDIT_SWAP_ENTRANTS, L"互換參賽者(&W)..."},
    {1, 0, IDM_EDIT_WITHDRAW_ENTRANT, L"退賽與替補(&I)..."},
    {0, MF_POPUP, 0, L"檢視(&V)"},
    {1, 0, IDM_VIEW_HALL_DISPLAY, L"大廳顯示(&H)\tF11"},
    {1, 0, IDM_VIEW_WIDE_LAYOUT, L"寬版面(&W)"},
};

TEST_F(ResourcesTest, MenuIsThePlainMenuInItsFixedOrder)
{
    Menu menu = readMenu(executableResources(), CHINESE_HONG_KONG);
    EXPECT_EQ(0, menu.version) << "expected the plain menu format, not the extended one";
    EXPECT_EQ(0, menu.headerSize);
    ASSERT_EQ(ARRAYSIZE(CHINESE_MENU), menu.entries.size()) << "entries of menu 1 under 0x0C04";
    for (size_t i = 0; i < menu.entries.size(); i++) {
        const ExpectedMenuEntry &want = CHINESE_MENU[i];
        const MenuEntry &got = menu.entries[i];
        EXPECT_EQ(want.depth, got.depth) << "entry " << i;
        EXPECT_EQ(want.flags, got.flags) << "entry " << i << ": popup flag only, no state";
        EXPECT_EQ(want.id, got.id) << "entry " << i;
        EXPECT_EQ(std::wstring(want.text), got.text) << "entry " << i;
    }
}

// Both menus as the editor gets them: the table's popups, their items enabled and
// unchecked, separators where the table has them.
TEST_F(ResourcesTest, PlatformLoadsBothMenusWithTheSameCommands)
{
    HMODULE modules[] = {executableResources(), satellite()};
    for (HMODULE module : modules) {
        SCOPED_TRACE(module == satellite() ? "satellite" : "executable");
        HMENU bar = LoadMenuW(module, MAKEINTRESOURCEW(IDR_MAIN_MENU));
        ASSERT_NE(nullptr, bar);
        int popups = 0;
        for (const ExpectedMenuEntry &entry : CHINESE_MENU)
            popups += entry.depth == 0;
        ASSERT_EQ(popups, GetMenuItemCount(bar));
        size_t expected = 0;  // index into CHINESE_MENU
        for (int p = 0; p < popups; p++) {
            expected++;  // past the popup's own entry
            HMENU popup = GetSubMenu(bar, p);
            ASSERT_NE(nullptr, popup) << "popup " << p;
            int count = GetMenuItemCount(popup);
            for (int i = 0; i < count; i++, expected++) {
                ASSERT_LT(expected, ARRAYSIZE(CHINESE_MENU));
                MENUITEMINFOW info = {};
                info.cbSize = sizeof info;
                info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
                ASSERT_TRUE(GetMenuItemInfoW(popup, i, TRUE, &info));
                int separator = CHINESE_MENU[expected].text[0] == 0;
                EXPECT_EQ(separator ? (UINT)MFT_SEPARATOR : (UINT)MFT_STRING, info.fType & MFT_SEPARATOR)
                    << "popup " << p << " item " << i;
                // Wine reports separators as greyed whatever the resource
                // says, so only commands are checked for state.
                if (!separator) {
                    EXPECT_EQ((UINT)MFS_ENABLED, info.fState) << "popup " << p << " item " << i;
                    EXPECT_EQ(CHINESE_MENU[expected].id, info.wID) << "popup " << p << " item " << i;
                }
            }
        }
        EXPECT_EQ(ARRAYSIZE(CHINESE_MENU), expected);
        DestroyMenu(bar);
    }
}

TEST_F(ResourcesTest, StringsAreExactUnderHongKongChinese)
{
    HMODULE module = executableResources();
    EXPECT_EQ(std::wstring(L"Duelmark"), tableString(module, IDS_APP_TITLE, CHINESE_HONG_KONG));
    EXPECT_EQ(std::wstring(L"Duelmark - %s"), tableString(module, IDS_TITLE_FORMAT, CHINESE_HONG_KONG));
    std::wstring question = tableString(module, IDS_INVALID_PICKS, CHINESE_HONG_KONG);
    EXPECT_EQ(std::wstring(L"發現有些不合法的選擇。您是否要清除這些不合法的選擇?"), question);
    ASSERT_FALSE(question.empty());
    EXPECT_EQ(L'?', question.back()) << "the question ends with an ASCII question mark";

    // Through LoadStringW into the editor's buffer sizes: nothing truncated.
    WCHAR title[128], format[128], text[256];
    EXPECT_EQ(8, LoadStringW(module, IDS_APP_TITLE, title, 128));
    EXPECT_EQ(13, LoadStringW(module, IDS_TITLE_FORMAT, format, 128));
    EXPECT_EQ((int)question.size(), LoadStringW(module, IDS_INVALID_PICKS, text, 256));
    EXPECT_EQ(question, std::wstring(text));
}

// Only the English copies are in the satellite, so the thread's language
// cannot make the platform pick a Chinese one.
TEST_F(ResourcesTest, SatelliteStringsAreEnglishAndAloneInIt)
{
    HMODULE module = satellite();
    EXPECT_EQ(std::wstring(L"Duelmark"), tableString(module, IDS_APP_TITLE, ENGLISH_US));
    EXPECT_EQ(std::wstring(L"Duelmark - %s"), tableString(module, IDS_TITLE_FORMAT, ENGLISH_US));
    std::wstring question = tableString(module, IDS_INVALID_PICKS, ENGLISH_US);
    EXPECT_EQ(0u, question.find(L"Some invalid selections were found.")) << "got: " << question.size() << " units";
    EXPECT_LT(question.size(), 256u) << "must fit the editor's 256-unit buffer";
    EXPECT_EQ(L'?', question.back());
    EXPECT_EQ(nullptr, FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(1), CHINESE_HONG_KONG));
    EXPECT_EQ(nullptr, FindResourceExW(module, RT_MENU, MAKEINTRESOURCEW(IDR_MAIN_MENU), CHINESE_HONG_KONG));
}

// The picture's strings go through wsprintfW: a placeholder too many or of
// the wrong kind would read past its arguments. The double-elimination
// texts take numbered inserts: a translation that dropped one would name
// no round or match ("Loser of").
TEST_F(ResourcesTest, PictureStringsHaveTheirPlaceholdersInBothLanguages)
{
    struct Expected {
        UINT id;
        const WCHAR *placeholders;
    } strings[] = {
        {IDS_PICTURE_FINAL, L""}, {IDS_PICTURE_SEMI_FINALS, L""}, {IDS_PICTURE_QUARTER_FINALS, L""},
        {IDS_PICTURE_ROUND_OF, L"d"}, {IDS_PICTURE_CHAMPION, L""}, {IDS_PICTURE_FILE_TYPE, L""},
        {IDS_EXPORT_FAILED, L"ss"}, {IDS_COPY_FAILED, L"ss"}, {IDS_PRINT_FAILED, L"ss"},
        {IDS_LOSERS_ROUND, L"1"}, {IDS_LOSERS_FINAL, L""}, {IDS_GRAND_FINAL, L""}, {IDS_GRAND_FINAL_RESET, L""},
        {IDS_LOSER_OF, L"1"}, {IDS_WINNER_OF, L"1"}, {IDS_SHORT_ROUND, L"12"}, {IDS_SHORT_QUARTER_FINAL, L"1"},
        {IDS_SHORT_SEMI_FINAL, L"1"}, {IDS_SHORT_FINAL, L""}, {IDS_SHORT_LOSERS, L"12"}, {IDS_FORMAT_SINGLE, L""},
        {IDS_FORMAT_DOUBLE, L""}, {IDS_PLACE_FIRST, L""}, {IDS_PLACE_SECOND, L""}, {IDS_PLACE_THIRD, L""},
        {IDS_LOSERS_BRACKET, L""},
    };
    for (HMODULE module : {executableResources(), satellite()}) {
        WORD language = module == satellite() ? ENGLISH_US : CHINESE_HONG_KONG;
        for (const Expected &e : strings) {
            std::wstring text = tableString(module, e.id, language);
            EXPECT_FALSE(text.empty()) << "string " << e.id << " missing under " << language;
            std::wstring found;
            for (size_t i = 0; i + 1 < text.size(); i++)
                if (text[i] == L'%')
                    found += text[++i];
            EXPECT_EQ(std::wstring(e.placeholders), found) << "placeholders of string " << e.id << " under " << language;
        }
    }
}

// The failed save's texts in both languages: each names the file (%1), and
// the ones that give a reason or a name carry it (%2); a translation that
// dropped an insert would hide the file or the fault from the user.
TEST_F(ResourcesTest, FailedSaveTextsCarryTheFileAndTheReasonInBothLanguages)
{
    const struct {
        int id;
        bool reason;
    } texts[] = {{IDS_SAVE_FAILED, true}, {IDS_SAVE_BAD_NAME, true}, {IDS_SAVE_BAD_TITLE, true},
                 {IDS_SAVE_UNREADABLE, false}, {IDS_SAVE_ERROR_CODE, false}};
    for (const auto &t : texts) {
        std::wstring chinese = tableString(executableResources(), t.id, CHINESE_HONG_KONG);
        std::wstring english = tableString(satellite(), t.id, ENGLISH_US);
        for (const std::wstring &text : {chinese, english}) {
            EXPECT_NE(std::wstring::npos, text.find(L"%1")) << "string " << t.id << " must name its subject";
            EXPECT_EQ(t.reason, text.find(L"%2") != std::wstring::npos) << "string " << t.id;
            EXPECT_EQ(std::wstring::npos, text.find(L"%3")) << "string " << t.id << " has only two inserts";
        }
        EXPECT_NE(chinese, english) << "string " << t.id << " is translated";
    }
}

void expectDialogFont(const DialogTemplate &d)
{
    EXPECT_EQ(9, d.pointSize);
    EXPECT_EQ(std::wstring(L"MS Shell Dlg"), d.face);
    EXPECT_EQ(0, d.weight);
    EXPECT_EQ(0, d.italic);
    EXPECT_EQ(0, d.charset);
}

TEST_F(ResourcesTest, MainTemplateHasItsStylesMenuFontAndParkedButton)
{
    DialogTemplate d = readDialog(executableResources(), IDD_MAIN, CHINESE_HONG_KONG);
    EXPECT_EQ(1, d.version) << "expected an extended template";
    EXPECT_EQ(0xFFFF, d.signature);
    EXPECT_EQ(0x90CA0AC8u, d.style);
    EXPECT_EQ((DWORD)WS_EX_ACCEPTFILES, d.exStyle);
    EXPECT_EQ(0, d.style & (WS_MAXIMIZEBOX | WS_THICKFRAME)) << "no maximise box, no sizing border";
    EXPECT_EQ(0, d.x); EXPECT_EQ(0, d.y); EXPECT_EQ(187, d.cx); EXPECT_EQ(117, d.cy);
    EXPECT_EQ(std::wstring(L"#1"), d.menu);
    EXPECT_EQ(std::wstring(L""), d.className);
    EXPECT_EQ(std::wstring(L"Duelmark"), d.caption);
    expectDialogFont(d);
    ASSERT_EQ(1u, d.items.size());
    const DialogItem &parked = d.items[0];
    EXPECT_EQ(std::wstring(L"BUTTON"), parked.className);
    EXPECT_EQ((DWORD)IDC_PARKED_BUTTON, parked.id);
    EXPECT_EQ(0x50010000u, parked.style);
    EXPECT_EQ(0u, parked.exStyle);
    EXPECT_EQ(0, parked.x); EXPECT_EQ(0, parked.y); EXPECT_EQ(15, parked.cx); EXPECT_EQ(13, parked.cy);
    EXPECT_EQ(std::wstring(L""), parked.text);
}

struct ExpectedControl {
    const WCHAR *className;
    DWORD id;
    short x, y, cx, cy;
    DWORD style;
    const WCHAR *text;
};

// The title label is wider than the 52 units once planned: at 52 the
// product name pushed its "(T)" onto a second line that the 8-unit height
// hides. It still ends before the edit box.
const ExpectedControl CHINESE_SETUP[] = {
    {L"STATIC", (DWORD)-1, 6, 9, 66, 8, 0x50020000, L"Duelmark的標題(&T)"},
    {L"EDIT", IDC_TITLE_EDIT, 75, 7, 165, 12, 0x50810080, L""},
    {L"STATIC", IDC_TEAMS_LABEL, 6, 26, 39, 8, 0x50020000, L"隊伍數量(&N)"},
    {L"COMBOBOX", IDC_TEAMS_COMBO, 75, 24, 44, 30, 0x50210003, L""},
    {L"BUTTON", IDC_SETUP_OK, 132, 39, 50, 14, 0x50010001, L"確定(&O)"},
    {L"BUTTON", IDCANCEL, 190, 39, 50, 14, 0x50010000, L"取消(&C)"},
};

TEST_F(ResourcesTest, SetupTemplateHasItsStylesFontAndControlsInTabOrder)
{
    DialogTemplate d = readDialog(executableResources(), IDD_SETUP, CHINESE_HONG_KONG);
    EXPECT_EQ(1, d.version) << "expected an extended template";
    EXPECT_EQ(0xFFFF, d.signature);
    EXPECT_EQ(0x90C80AC8u, d.style);
    EXPECT_EQ(0u, d.exStyle);
    EXPECT_EQ(0, d.x); EXPECT_EQ(0, d.y); EXPECT_EQ(247, d.cx); EXPECT_EQ(59, d.cy);
    EXPECT_EQ(std::wstring(L""), d.menu) << "the setup dialog has no menu";
    EXPECT_EQ(std::wstring(L"Duelmark"), d.caption);
    expectDialogFont(d);
    ASSERT_EQ(ARRAYSIZE(CHINESE_SETUP), d.items.size());
    for (size_t i = 0; i < d.items.size(); i++) {
        const ExpectedControl &want = CHINESE_SETUP[i];
        const DialogItem &got = d.items[i];
        EXPECT_EQ(std::wstring(want.className), got.className) << "control " << i;
        EXPECT_EQ(want.id, got.id) << "control " << i;
        EXPECT_EQ(want.x, got.x) << "control " << i;
        EXPECT_EQ(want.y, got.y) << "control " << i;
        EXPECT_EQ(want.cx, got.cx) << "control " << i;
        EXPECT_EQ(want.cy, got.cy) << "control " << i;
        EXPECT_EQ(want.style, got.style) << "control " << i;
        EXPECT_EQ(0u, got.exStyle) << "control " << i;
        EXPECT_EQ(std::wstring(want.text), got.text) << "control " << i;
    }
}

// A satellite must drive the same code: every id, class, style, position and
// height as the executable's; only texts and label widths may differ.
TEST_F(ResourcesTest, SatelliteTemplatesMatchTheExecutablesButForTexts)
{
    for (int id : {IDD_MAIN, IDD_SETUP}) {
        SCOPED_TRACE(id == IDD_MAIN ? "IDD_MAIN" : "IDD_SETUP");
        DialogTemplate zh = readDialog(executableResources(), id, CHINESE_HONG_KONG);
        DialogTemplate en = readDialog(satellite(), id, ENGLISH_US);
        ASSERT_EQ(1, en.version) << "expected an extended template under 0x0409";
        EXPECT_EQ(zh.style, en.style);
        EXPECT_EQ(zh.exStyle, en.exStyle);
        EXPECT_EQ(zh.cx, en.cx);
        EXPECT_EQ(zh.cy, en.cy);
        EXPECT_EQ(zh.menu, en.menu);
        EXPECT_EQ(zh.caption, en.caption);
        EXPECT_EQ(zh.face, en.face);
        EXPECT_EQ(zh.pointSize, en.pointSize);
        ASSERT_EQ(zh.items.size(), en.items.size());
        for (size_t i = 0; i < zh.items.size(); i++) {
            const DialogItem &a = zh.items[i], &b = en.items[i];
            EXPECT_EQ(a.className, b.className) << "control " << i;
            EXPECT_EQ(a.id, b.id) << "control " << i;
            EXPECT_EQ(a.style, b.style) << "control " << i;
            EXPECT_EQ(a.x, b.x) << "control " << i;
            EXPECT_EQ(a.y, b.y) << "control " << i;
            EXPECT_EQ(a.cy, b.cy) << "control " << i;
            if (a.className != L"STATIC") {
                EXPECT_EQ(a.cx, b.cx) << "control " << i;
            }
            EXPECT_EQ(a.text.empty(), b.text.empty()) << "control " << i;
            if (!b.text.empty()) {
                EXPECT_NE(std::wstring::npos, b.text.find(L'&')) << "control " << i << " lost its mnemonic";
            }
        }
    }
}

TEST_F(ResourcesTest, SatelliteMenuHasTheSameCommandsWithEnglishTexts)
{
    Menu zh = readMenu(executableResources(), CHINESE_HONG_KONG);
    Menu en = readMenu(satellite(), ENGLISH_US);
    EXPECT_EQ(0, en.version) << "expected the plain menu format under 0x0409";
    ASSERT_EQ(zh.entries.size(), en.entries.size());
    for (size_t i = 0; i < zh.entries.size(); i++) {
        EXPECT_EQ(zh.entries[i].depth, en.entries[i].depth) << "entry " << i;
        EXPECT_EQ(zh.entries[i].flags, en.entries[i].flags) << "entry " << i;
        EXPECT_EQ(zh.entries[i].id, en.entries[i].id) << "entry " << i;
        const std::wstring &text = en.entries[i].text;
        EXPECT_EQ(zh.entries[i].text.empty(), text.empty()) << "entry " << i;
        if (text.empty())
            continue;
        // The newest commands' texts are given letter for letter, with no
        // mnemonic.
        int id = en.entries[i].id;
        if (id == IDM_EDIT_MATCH_RESULT)
            EXPECT_EQ(L"Match result...\tCtrl+R", text);
        else if (id == IDM_EDIT_THIRD_PLACE)
            EXPECT_EQ(L"Third-place match", text);
        else if (id == IDM_EDIT_COPY_ORDER)
            EXPECT_EQ(L"Copy order of play", text);
        else
            EXPECT_NE(std::wstring::npos, text.find(L'&')) << "entry " << i << " has no mnemonic";
        for (WCHAR c : text)
            EXPECT_LT(c, 0x80) << "entry " << i << " is not English";
    }
}

// Within each popup of either language no two items answer the same
// letter: Alt and that letter would reach only the first.
TEST_F(ResourcesTest, NoTwoItemsOfAMenuShareAMnemonic)
{
    Menu menus[] = {readMenu(executableResources(), CHINESE_HONG_KONG), readMenu(satellite(), ENGLISH_US)};
    for (const Menu &menu : menus) {
        std::wstring seen[8];  // per depth: the open popup's letters so far
        for (size_t i = 0; i < menu.entries.size(); i++) {
            const MenuEntry &entry = menu.entries[i];
            ASSERT_LT(entry.depth, 7);
            seen[entry.depth + 1].clear();  // a popup's items start afresh
            size_t amp = entry.text.find(L'&');
            if (amp == std::wstring::npos || amp + 1 >= entry.text.size())
                continue;
            WCHAR letter = (WCHAR)(UINT_PTR)CharUpperW((LPWSTR)(UINT_PTR)entry.text[amp + 1]);
            EXPECT_EQ(std::wstring::npos, seen[entry.depth].find(letter))
                << "entry " << i << " repeats a mnemonic of its menu";
            seen[entry.depth] += letter;
        }
    }
}

// Drawn in the dialog's own font, each label and button text must fit its
// control: a button's on one line, a label's in the lines it has room for
// (a static wraps its overflow out of sight).
TEST_F(ResourcesTest, LabelsAndButtonsFitTheirTextsInBothLanguages)
{
    struct Template {
        int id, controls;
    } templates[] = {{IDD_SETUP, 4}, {IDD_PRINT_LAYOUT, 7}, {IDD_PAPER_SETUP, 11}};
    HMODULE modules[] = {executableResources(), satellite()};
    for (const Template &t : templates) {
        for (HMODULE module : modules) {
            SCOPED_TRACE(testing::Message() << "dialog " << t.id << " in the "
                                            << (module == satellite() ? "satellite" : "executable"));
            HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(t.id), NULL,
                                             [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return 0; }, 0);
            ASSERT_NE(nullptr, dialog);
            int checked = 0;
            for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                WCHAR className[32], text[128];
                GetClassNameW(child, className, 32);
                bool button = lstrcmpiW(className, L"Button") == 0;
                if (lstrcmpiW(className, L"Static") != 0 && !button)
                    continue;
                GetWindowTextW(child, text, 128);
                RECT have;
                GetClientRect(child, &have);
                int margin = button ? 8 : 0;
                HDC dc = GetDC(child);
                HGDIOBJ old = SelectObject(dc, (HFONT)SendMessageW(child, WM_GETFONT, 0, 0));
                RECT need = {0, 0, button ? 0 : have.right, 0};
                DrawTextW(dc, text, -1, &need, DT_CALCRECT | (button ? DT_SINGLELINE : DT_WORDBREAK));
                SelectObject(dc, old);
                ReleaseDC(child, dc);
                EXPECT_LE(need.right + margin, have.right) << "text of control " << GetDlgCtrlID(child)
                                                           << " is wider than the control";
                if (!button) {
                    EXPECT_LE(need.bottom, have.bottom) << "text of label " << checked << " needs more lines";
                }
                checked++;
            }
            EXPECT_EQ(t.controls, checked);
            DestroyWindow(dialog);
        }
    }
}

TEST_F(ResourcesTest, VersionBlockIsChineseUtf16WithItsFiveStrings)
{
    std::vector<BYTE> block = resourceBytes(executableResources(), RT_VERSION, MAKEINTRESOURCEW(1), CHINESE_HONG_KONG);
    ASSERT_FALSE(block.empty()) << "no version block under 0x0C04";
    VS_FIXEDFILEINFO *fixed = NULL;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", (void **)&fixed, &length));
    EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS) << "file version 1.0.0.0";
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS) << "product version 1.0.0.0";
    EXPECT_EQ(0u, fixed->dwProductVersionLS);

    WORD *translation = NULL;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", (void **)&translation, &length));
    ASSERT_EQ(4u, length);
    EXPECT_EQ(0x0C04, translation[0]);
    EXPECT_EQ(1200, translation[1]);

    WCHAR *value = NULL;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\0c0404b0\\FileVersion", (void **)&value, &length));
    EXPECT_STREQ(L"1.0", value);
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\0c0404b0\\ProductVersion", (void **)&value, &length));
    EXPECT_STREQ(L"1.0", value);
    for (const WCHAR *name : {L"CompanyName", L"LegalCopyright", L"Comments"}) {
        std::wstring query = std::wstring(L"\\StringFileInfo\\0c0404b0\\") + name;
        value = NULL;
        EXPECT_TRUE(VerQueryValueW(block.data(), query.c_str(), (void **)&value, &length) && value && *value)
            << "expected a non-empty " << query.size() << "-unit query to find a value";
    }
}

// What Explorer's details show for the built files, read the way it reads
// them: the file's version information, not its resources.
TEST_F(ResourcesTest, BuiltFilesNameTheProductAndTheirPublisher)
{
#ifdef DUELMARK_EXECUTABLE
    struct Expected {
        const char *file;
        const WCHAR *block;
        const WCHAR *description;
        const WCHAR *fileName;
    } files[] = {
        {DUELMARK_EXECUTABLE, L"0c0404b0", L"Duelmark tournament bracket editor", L"duelmark.exe"},
        {DUELMARK_SATELLITE, L"040904b0", L"Duelmark tournament bracket editor, English texts", L"duelmark.exe.mui"},
    };
    for (const Expected &e : files) {
        std::wstring path = dosPathOf(e.file);
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        ASSERT_GT(size, 0u) << "no version information in " << e.file;
        std::vector<BYTE> info(size);
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));
        auto entry = [&](const WCHAR *name) {
            WCHAR *value = NULL;
            UINT length = 0;
            std::wstring query = std::wstring(L"\\StringFileInfo\\") + e.block + L"\\" + name;
            return VerQueryValueW(info.data(), query.c_str(), (void **)&value, &length) && value ? std::wstring(value)
                                                                                                 : std::wstring(L"<none>");
        };
        EXPECT_EQ(std::wstring(e.description), entry(L"FileDescription")) << e.file;
        EXPECT_EQ(L"Duelmark", entry(L"ProductName")) << e.file;
        EXPECT_EQ(std::wstring(e.fileName), entry(L"InternalName")) << e.file;
        EXPECT_EQ(std::wstring(e.fileName), entry(L"OriginalFilename")) << e.file;
        // The installer's Manufacturer and so the programs list's Publisher
        // are this same text; the package test compares them.
        EXPECT_EQ(L"the Duelmark developers", entry(L"CompanyName")) << e.file;
    }
#else
    GTEST_SKIP() << "the editor is not built";
#endif
}

TEST_F(ResourcesTest, ManifestAsksForCommonControlsSixAndListsTheSystems)
{
    HMODULE module = executableResources();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(nullptr, found) << "no resource 24/1";
    const char *data = (const char *)LockResource(LoadResource(module, found));
    std::string manifest(data, SizeofResource(module, found));
    for (const char *piece : {
             "type=\"win32\"", "version=\"1.0.0.0\"", "processorArchitecture=\"*\"", "<description>",
             ">true</dpiAware>", ">PerMonitorV2, PerMonitor</dpiAwareness>", "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
             "publicKeyToken=\"6595b64144ccf1df\"", "language=\"*\"",
             "level=\"asInvoker\" uiAccess=\"false\""})
        EXPECT_NE(std::string::npos, manifest.find(piece)) << "manifest lacks " << piece;
    const char *systems[] = {"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
                             "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"};
    size_t previous = 0;
    for (const char *system : systems) {
        size_t at = manifest.find(std::string("<supportedOS Id=\"") + system);
        ASSERT_NE(std::string::npos, at) << "manifest lacks supportedOS " << system;
        EXPECT_GT(at, previous) << system << " is out of order";
        previous = at;
    }
}

// This program links the same resources, so its process runs with the
// manifest: the platform must redirect comctl32 to version 6.
TEST_F(ResourcesTest, ManifestMakesThePlatformUseCommonControlsSix)
{
    ACTCTX_SECTION_KEYED_DATA data = {};
    data.cbSize = sizeof data;
    EXPECT_TRUE(FindActCtxSectionStringW(0, NULL, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                         L"comctl32.dll", &data))
        << "expected comctl32.dll to be redirected by the manifest, error " << GetLastError();
}

TEST_F(ResourcesTest, IconGroupHasA32And16PixelImageOf16Colours)
{
    HMODULE module = executableResources();
    std::vector<BYTE> group = resourceBytes(module, RT_GROUP_ICON, MAKEINTRESOURCEW(IDI_APP), CHINESE_HONG_KONG);
    ASSERT_FALSE(group.empty()) << "no icon group 1 under 0x0C04";
    Reader r{group};
    EXPECT_EQ(0, r.word());
    EXPECT_EQ(1, r.word()) << "an icon, not a cursor";
    ASSERT_EQ(2, r.word()) << "images in the group";
    const int sizes[] = {32, 16};
    for (int size : sizes) {
        EXPECT_EQ(size, group.at(r.at)) << "width";
        EXPECT_EQ(size, group.at(r.at + 1)) << "height";
        EXPECT_EQ(16, group.at(r.at + 2)) << "colours of the " << size << "-pixel image";
        r.at += 4;
        EXPECT_EQ(1, r.word()) << "planes";
        EXPECT_EQ(4, r.word()) << "bits per pixel of the " << size << "-pixel image";
        r.dword();
        WORD imageId = r.word();
        std::vector<BYTE> image = resourceBytes(module, RT_ICON, MAKEINTRESOURCEW(imageId), CHINESE_HONG_KONG);
        ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER)) << "icon image " << imageId;
        const BITMAPINFOHEADER *header = (const BITMAPINFOHEADER *)image.data();
        EXPECT_EQ(size, header->biWidth);
        EXPECT_EQ(4, header->biBitCount);

        HICON icon = (HICON)LoadImageW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, size, size, 0);
        EXPECT_NE(nullptr, icon) << "the platform could not load the " << size << "-pixel icon";
        if (icon)
            DestroyIcon(icon);
    }
}

}  // namespace
