#include "ui/dialogs/paper_setup_dialog.h"

#include "res/resource.h"
#include "ui/common/dialog_record.h"
#include "ui/common/fallback_string.h"

static const UINT PAPER_NAMES[PAPER_KINDS] = {IDS_PAPER_A4, IDS_PAPER_LETTER, IDS_PAPER_LEGAL};
static const int MARGIN_EDITS[4] = {IDC_MARGIN_LEFT, IDC_MARGIN_TOP, IDC_MARGIN_RIGHT, IDC_MARGIN_BOTTOM};

struct PaperSetupRecord {
    HMODULE resources;
    PaperChoice *choice;
};

/* The margins in RECT order: left, top, right, bottom. */
static LONG *marginAt(RECT *margins, int index)
{
    LONG *edges[4] = {&margins->left, &margins->top, &margins->right, &margins->bottom};
    return edges[index];
}

static void initPaperSetup(HWND window, PaperSetupRecord *record)
{
    PaperChoice *choice = record->choice;
    for (UINT name : PAPER_NAMES) {
        WCHAR text[64];
        loadStringWithFallback(record->resources, name, text, 64);
        SendDlgItemMessageW(window, IDC_PAPER_SIZE, CB_ADDSTRING, 0, (LPARAM)text);
    }
    int paper = choice->paper >= 0 && choice->paper < PAPER_KINDS ? choice->paper : PAPER_A4;
    SendDlgItemMessageW(window, IDC_PAPER_SIZE, CB_SETCURSEL, (WPARAM)paper, 0);
    CheckRadioButton(window, IDC_PAPER_PORTRAIT, IDC_PAPER_LANDSCAPE,
                     choice->landscape ? IDC_PAPER_LANDSCAPE : IDC_PAPER_PORTRAIT);
    for (int i = 0; i < 4; i++) {
        SendDlgItemMessageW(window, MARGIN_EDITS[i], EM_LIMITTEXT, 3, 0);
        SetDlgItemInt(window, MARGIN_EDITS[i], (UINT)((*marginAt(&choice->margins, i) + 50) / 100), FALSE);
    }
}

/* Takes the answer, or points at the first margin that is none. */
static void confirmPaperSetup(HWND window, PaperSetupRecord *record)
{
    PaperChoice answer = *record->choice;
    for (int i = 0; i < 4; i++) {
        BOOL read = FALSE;
        UINT millimetres = GetDlgItemInt(window, MARGIN_EDITS[i], &read, FALSE);
        if (!read || millimetres > MOST_MARGIN_MM) {
            MessageBeep(MB_ICONWARNING);
            SendMessageW(window, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(window, MARGIN_EDITS[i]), TRUE);
            return;
        }
        *marginAt(&answer.margins, i) = (LONG)millimetres * 100;
    }
    LRESULT paper = SendDlgItemMessageW(window, IDC_PAPER_SIZE, CB_GETCURSEL, 0, 0);
    answer.paper = paper >= 0 && paper < PAPER_KINDS ? (int)paper : PAPER_A4;
    answer.landscape = IsDlgButtonChecked(window, IDC_PAPER_LANDSCAPE) == BST_CHECKED;
    *record->choice = answer;
    EndDialog(window, 1);
}

static INT_PTR CALLBACK paperSetupDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PaperSetupRecord *record = (PaperSetupRecord *)dialogRecord(window, message, lParam);
    if (!record)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG: initPaperSetup(window, record); break;
    case WM_COMMAND:
        switch (wParam) {
        case IDOK: confirmPaperSetup(window, record); break;
        case IDCANCEL: EndDialog(window, 0); break;
        }
        break;
    }
    return FALSE;
}

int runPaperSetupDialog(HWND owner, HMODULE resources, PaperChoice *choice)
{
    PaperChoice answer = *choice;
    PaperSetupRecord record = {resources, &answer};
    if (DialogBoxParamW(resources, MAKEINTRESOURCEW(IDD_PAPER_SETUP), owner, paperSetupDialogProc,
                        (LPARAM)&record) != 1)
        return 0;
    *choice = answer;
    return 1;
}
