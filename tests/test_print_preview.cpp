// File > Print preview and the printing commands where no printer is
// installed (the test prefix has none): the preview shows the pages of a
// layout for the region's paper or the one page setup chose, turns them
// and keeps the layout chosen for the session; Print and the preview's
// Print button say that there is no printer.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "res/resource.h"
#include "support/dialog_script.h"
#include "support/editor_window.h"
#include "ui/common/print_setup.h"
#include "ui/print/page_setup.h"

namespace {

struct PrintPreviewTest : EditorWindowTest {
    std::string send(WORD id, std::function<void(DialogScript &)> steps)
    {
        DialogScript script(window, steps);
        command(id);
        return script.finish();
    }
    std::wstring noPrinterText()
    {
        WCHAR text[512] = L"";
        LoadStringW(bracket.resourceModule, IDS_NO_PRINTER, text, 512);
        return text;
    }
};

// "Page x of y" as the preview shows it, in whichever language: {x, y}.
std::pair<int, int> pageNumbers(HWND preview)
{
    WCHAR text[128] = L"";
    GetDlgItemTextW(preview, IDC_PREVIEW_PAGE_NUMBER, text, 128);
    int numbers[2] = {0, 0}, found = 0;
    for (const WCHAR *c = text; *c && found < 2; c++) {
        if (*c < L'0' || *c > L'9')
            continue;
        while (*c >= L'0' && *c <= L'9')
            numbers[found] = numbers[found] * 10 + (*c++ - L'0');
        found++;
        c--;
    }
    return {numbers[0], numbers[1]};
}

bool waitFor(std::function<bool()> condition)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < 8000; Sleep(20))
        if (condition())
            return true;
    return condition();
}

TEST_F(PrintPreviewTest, PreviewTurnsPagesAndKeepsItsLayoutWithoutAPrinter)
{
    openOn(SIXTEEN_TEAMS_XML);
    std::pair<int, int> first, poster, turned;
    bool stillOpen = false;
    std::wstring message;
    std::string failures = send(IDM_FILE_PRINT_PREVIEW, [&](DialogScript &s) {
        HWND preview = s.next("the print preview");
        if (!preview)
            return;
        s.handled(preview);
        first = pageNumbers(preview);
        HWND layouts = GetDlgItem(preview, IDC_PREVIEW_LAYOUT);
        SendMessageW(layouts, CB_SETCURSEL, LAYOUT_POSTER, 0);
        PostMessageW(preview, WM_COMMAND, MAKEWPARAM(IDC_PREVIEW_LAYOUT, CBN_SELCHANGE), (LPARAM)layouts);
        waitFor([&] { return pageNumbers(preview).second > 1; });
        poster = pageNumbers(preview);
        s.press(preview, IDC_PREVIEW_NEXT);
        waitFor([&] { return pageNumbers(preview).first == 2; });
        turned = pageNumbers(preview);
        s.press(preview, IDC_PREVIEW_PRINT);
        HWND box = s.next("the no-printer message");
        message = DialogScript::messageText(box);
        s.press(box, IDOK);
        waitFor([&] { return IsWindowEnabled(preview) != 0; });
        stillOpen = IsWindowVisible(preview) != 0;
        s.press(preview, IDCANCEL);
    });
    EXPECT_EQ("", failures);
    EXPECT_EQ(std::make_pair(1, 1), first) << "a session starts with one page";
    EXPECT_GT(poster.second, 1) << "a poster of 16 teams fits one sheet";
    EXPECT_EQ(std::make_pair(2, poster.second), turned) << "Next did not turn to page 2";
    EXPECT_EQ(noPrinterText(), message);
    EXPECT_TRUE(stillOpen) << "the preview closed when there was nothing to print on";
    EXPECT_EQ(LAYOUT_POSTER, state.print.layout) << "the preview's layout is not the session's";
}

// Turned to its last page from the keyboard, the preview keeps the
// keyboard on a control that takes it, so Esc still closes it.
TEST_F(PrintPreviewTest, EscClosesThePreviewOnItsLastPage)
{
    openOn(SIXTEEN_TEAMS_XML);
    state.print.layout = LAYOUT_POSTER;
    bool focusTakesKeys = false, closed = false;
    std::string failures = send(IDM_FILE_PRINT_PREVIEW, [&](DialogScript &s) {
        HWND preview = s.next("the print preview");
        if (!preview)
            return;
        s.handled(preview);
        HWND next = GetDlgItem(preview, IDC_PREVIEW_NEXT);
        PostMessageW(preview, WM_NEXTDLGCTL, (WPARAM)next, TRUE);
        GUITHREADINFO thread = {};
        thread.cbSize = sizeof thread;
        DWORD threadId = GetWindowThreadProcessId(preview, NULL);
        waitFor([&] { return GetGUIThreadInfo(threadId, &thread) && thread.hwndFocus == next; });
        while (IsWindowEnabled(next)) {
            int page = pageNumbers(preview).first;
            s.press(preview, IDC_PREVIEW_NEXT);
            if (!waitFor([&] { return pageNumbers(preview).first == page + 1; }))
                break;
        }
        GetGUIThreadInfo(threadId, &thread);
        focusTakesKeys = thread.hwndFocus && IsWindowEnabled(thread.hwndFocus) && IsChild(preview, thread.hwndFocus);
        PostMessageW(thread.hwndFocus ? thread.hwndFocus : preview, WM_KEYDOWN, VK_ESCAPE, 1);
        closed = waitFor([&] { return !IsWindow(preview); });
        if (!closed)
            s.press(preview, IDCANCEL);
    });
    EXPECT_EQ("", failures);
    EXPECT_TRUE(focusTakesKeys) << "the keyboard is left on a control that cannot take it";
    EXPECT_TRUE(closed) << "Esc did not close the preview on its last page";
}

TEST_F(PrintPreviewTest, PrintSaysThereIsNoPrinter)
{
    openOn(SIXTEEN_TEAMS_XML);
    std::wstring message;
    EXPECT_EQ("", send(IDM_FILE_PRINT, [&](DialogScript &s) {
        HWND box = s.next("the no-printer message");
        message = DialogScript::messageText(box);
        s.press(box, IDOK);
    }));
    EXPECT_EQ(noPrinterText(), message);
}

// Page setup without a printer chooses the paper, its orientation and the
// margins the preview lays its pages on; a margin that is no size keeps
// the dialog open on it.
TEST_F(PrintPreviewTest, PageSetupChoosesThePreviewsPaperWithoutAPrinter)
{
    openOn(SIXTEEN_TEAMS_XML);
    bool keptOpen = false;
    EXPECT_EQ("", send(IDM_FILE_PAGE_SETUP, [&](DialogScript &s) {
        HWND dialog = s.next("the page setup");
        if (!dialog)
            return;
        SendDlgItemMessageW(dialog, IDC_PAPER_SIZE, CB_SETCURSEL, 1, 0);  // Letter
        SendDlgItemMessageW(dialog, IDC_PAPER_PORTRAIT, BM_CLICK, 0, 0);
        for (int id : {IDC_MARGIN_LEFT, IDC_MARGIN_RIGHT, IDC_MARGIN_TOP})
            s.type(GetDlgItem(dialog, id), L"20");
        s.type(GetDlgItem(dialog, IDC_MARGIN_BOTTOM), L"250");
        s.press(dialog, IDOK);
        // The dialog points at the margin it cannot take.
        HWND bottom = GetDlgItem(dialog, IDC_MARGIN_BOTTOM);
        GUITHREADINFO thread = {};
        thread.cbSize = sizeof thread;
        DWORD threadId = GetWindowThreadProcessId(dialog, NULL);
        waitFor([&] { return !IsWindow(dialog) || (GetGUIThreadInfo(threadId, &thread) && thread.hwndFocus == bottom); });
        keptOpen = IsWindow(dialog) && IsWindowVisible(dialog);
        s.type(GetDlgItem(dialog, IDC_MARGIN_BOTTOM), L"15");
        s.press(dialog, IDOK);
    }));
    EXPECT_TRUE(keptOpen) << "a 250 mm margin was taken";
    PaperSheet sheet;
    previewSheet(&state.print, &sheet);
    EXPECT_EQ(215900, sheet.paper.cx) << "Letter, upright";
    EXPECT_EQ(279400, sheet.paper.cy);
    RECT margins = {20000, 20000, 20000, 15000};
    EXPECT_TRUE(EqualRect(&sheet.margins, &margins));
}

} // namespace
