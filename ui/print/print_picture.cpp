#include "ui/print/print_picture.h"
#include <commdlg.h>

#include "res/resource.h"
#include "ui/dialogs/common_dialogs.h"
#include "ui/dialogs/print_layout_dialog.h"
#include "ui/print/page_layout.h"
#include "ui/print/page_setup.h"
#include "ui/common/picture_failure.h"
#include "ui/picture/picture_layout.h"
#include "ui/print/print_page.h"

void printPicture(HWND window, DocumentState *state)
{
    if (!choosePrinterDefaults(window, &state->print))
        return sayNoPrinter(window, state->bracket);
    PrintLayoutChoice choice = {state->print.layout, legiblePoints(state->print.posterPoints)};
    if (!runPrintLayoutDialog(window, state->bracket->resourceModule, &choice))
        return;
    state->print.layout = choice.layout;
    state->print.posterPoints = choice.posterPoints;
    printWithPrintDialog(window, state);
}

void printThroughDialog(HWND window, Bracket *bracket, HGLOBAL *devMode, HGLOBAL *devNames, int pageCount,
                        PrintOnDevice print, const void *context, UINT failedId)
{
    PRINTDLGW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE | (pageCount > 0 ? 0 : PD_NOPAGENUMS);
    dialog.nCopies = 1;
    if (pageCount > 0) {
        WORD most = pageCount < 0xFFFF ? (WORD)pageCount : (WORD)0xFFFF;
        dialog.nMinPage = dialog.nFromPage = 1;
        dialog.nMaxPage = dialog.nToPage = most;
    }
    dialog.hDevMode = *devMode;
    dialog.hDevNames = *devNames;
    BOOL chosen = showPrintDialog(&dialog);
    /* The dialog may hand back new blocks for the settings, freeing the old:
     * the printer chosen here is the caller's from now on. */
    *devMode = dialog.hDevMode;
    *devNames = dialog.hDevNames;
    if (chosen && dialog.hDC) {
        /* "Print to file" is the port's business: "FILE:" makes the
         * spooler ask for the file's name. */
        const WCHAR *output = (dialog.Flags & PD_PRINTTOFILE) ? L"FILE:" : NULL;
        PageRange range = ALL_PAGES;
        if (dialog.Flags & PD_PAGENUMS) {
            range.first = dialog.nFromPage;
            range.last = dialog.nToPage;
        }
        if (!print(bracket, dialog.hDC, context, &range, output) && GetLastError() != ERROR_CANCELLED) {
            DWORD reason = GetLastError();
            WCHAR name[TITLE_CAPACITY];
            printedTitle(bracket, name);
            showPictureFailure(window, bracket, failedId, name, reason);
        }
    }
    if (dialog.hDC)
        DeleteDC(dialog.hDC);
}

static int printSessionLayout(Bracket *bracket, HDC printer, const void *setup, const PageRange *range,
                              const WCHAR *output)
{
    return printLayoutOnDevice(bracket, printer, (const PrintSetup *)setup, range, output);
}

/* How many pages the session's layout takes on the session's paper, as
 * the preview shows them; 0 when that cannot be told. */
static int sessionPageCount(Bracket *bracket, const PrintSetup *setup)
{
    PaperSheet sheet;
    previewSheet(setup, &sheet);
    PictureDescription picture;
    PrintPages pages;
    int count = 0;
    if (describeBracketPicture(bracket, &picture) &&
        paginatePicture(&picture, &sheet, setup->layout, setup->posterPoints, &pages)) {
        count = pages.count;
        releasePrintPages(&pages);
    }
    freePictureDescription(&picture);
    return count;
}

void printWithPrintDialog(HWND window, DocumentState *state)
{
    PrintSetup *setup = &state->print;
    if (!choosePrinterDefaults(window, setup))
        return sayNoPrinter(window, state->bracket);
    printThroughDialog(window, state->bracket, &setup->devMode, &setup->devNames,
                       sessionPageCount(state->bracket, setup), printSessionLayout, setup, IDS_PRINT_FAILED);
}

/* The pages in range in turn; the first that fails ends the document. */
static int printPages(Bracket *bracket, const PictureDescription *picture, HDC printer, const PaperSheet *sheet,
                      const PageDevice *device, const PrintPages *pages, int first, int last)
{
    for (int index = first; index < last; index++) {
        if (StartPage(printer) <= 0)
            return 0;
        drawPrintPage(bracket, picture, printer, device, sheet, pages, index);
        if (EndPage(printer) <= 0)
            return 0;
    }
    return 1;
}

int printLayoutOnDevice(Bracket *bracket, HDC printer, const PrintSetup *setup, const PageRange *range,
                        const WCHAR *output)
{
    if (!bracket->slotCount || !printer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    PaperSheet sheet;
    PageDevice device;
    sheetOfDevice(printer, setup, &sheet, &device);
    PictureDescription picture;
    PrintPages pages;
    if (!describeBracketPicture(bracket, &picture) ||
        !paginatePicture(&picture, &sheet, setup->layout, setup->posterPoints, &pages)) {
        DWORD reason = GetLastError();
        freePictureDescription(&picture);
        SetLastError(reason);
        return 0;
    }
    DOCINFOW document = {};
    document.cbSize = sizeof document;
    WCHAR name[TITLE_CAPACITY];
    printedTitle(bracket, name);
    document.lpszDocName = name;
    document.lpszOutput = output;
    int first = range->first > 1 ? range->first - 1 : 0;
    int last = range->last < pages.count ? range->last : pages.count;
    int printed = 0;
    if (first >= last) {
        printed = 1;   /* nothing in range: no empty document either */
    } else if (StartDocW(printer, &document) > 0) {
        printed = printPages(bracket, &picture, printer, &sheet, &device, &pages, first, last);
        DWORD failure = GetLastError();
        if (printed)
            printed = EndDoc(printer) > 0;
        else
            AbortDoc(printer);
        if (!printed)
            SetLastError(failure ? failure : ERROR_WRITE_FAULT);
    }
    DWORD reason = GetLastError();
    releasePrintPages(&pages);
    freePictureDescription(&picture);
    SetLastError(reason);
    return printed;
}
