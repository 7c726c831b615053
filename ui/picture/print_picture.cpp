#include "ui/picture/print_picture.h"
#include <commdlg.h>

#include "res/resource.h"
#include "ui/dialogs/common_dialogs.h"
#include "ui/dialogs/print_layout_dialog.h"
#include "ui/picture/page_layout.h"
#include "ui/picture/page_setup.h"
#include "ui/picture/picture_failure.h"
#include "ui/picture/picture_layout.h"
#include "ui/picture/print_page.h"

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

void printThroughDialog(HWND window, Bracket *bracket, HGLOBAL *devMode, HGLOBAL *devNames, PrintOnDevice print,
                        const void *context, UINT failedId)
{
    PRINTDLGW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nCopies = 1;
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
        if (!print(bracket, dialog.hDC, context, output) && GetLastError() != ERROR_CANCELLED) {
            DWORD reason = GetLastError();
            WCHAR name[TITLE_CAPACITY];
            printedTitle(bracket, name);
            showPictureFailure(window, bracket, failedId, name, reason);
        }
    }
    if (dialog.hDC)
        DeleteDC(dialog.hDC);
}

static int printSessionLayout(Bracket *bracket, HDC printer, const void *setup, const WCHAR *output)
{
    return printLayoutOnDevice(bracket, printer, (const PrintSetup *)setup, output);
}

void printWithPrintDialog(HWND window, DocumentState *state)
{
    PrintSetup *setup = &state->print;
    if (!choosePrinterDefaults(window, setup))
        return sayNoPrinter(window, state->bracket);
    printThroughDialog(window, state->bracket, &setup->devMode, &setup->devNames, printSessionLayout, setup,
                       IDS_PRINT_FAILED);
}

/* Every page in turn; the first that fails ends the document. */
static int printPages(Bracket *bracket, const PictureDescription *picture, HDC printer, const PaperSheet *sheet,
                      const PageDevice *device, const PrintPages *pages)
{
    for (int index = 0; index < pages->count; index++) {
        if (StartPage(printer) <= 0)
            return 0;
        drawPrintPage(bracket, picture, printer, device, sheet, pages, index);
        if (EndPage(printer) <= 0)
            return 0;
    }
    return 1;
}

int printLayoutOnDevice(Bracket *bracket, HDC printer, const PrintSetup *setup, const WCHAR *output)
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
    int printed = 0;
    if (StartDocW(printer, &document) > 0) {
        printed = printPages(bracket, &picture, printer, &sheet, &device, &pages);
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
