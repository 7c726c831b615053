#include "ui/picture/print_picture.h"
#include <commdlg.h>

#include "res/resource.h"
#include "ui/picture/bracket_picture.h"
#include "ui/dialogs/common_dialogs.h"
#include "ui/common/fallback_string.h"
#include "ui/picture/picture_failure.h"

/* The default printer's settings turned to landscape: a bracket is wider
 * than tall from 8 teams on. With no printer installed both handles stay
 * NULL and the print dialog itself tells the user (this request shows
 * nothing). */
static void landscapeDefaults(HWND window, PRINTDLGW *dialog)
{
    PRINTDLGW defaults = {};
    defaults.lStructSize = sizeof defaults;
    defaults.hwndOwner = window;
    defaults.Flags = PD_RETURNDEFAULT;
    if (!showPrintDialog(&defaults))
        return;
    DEVMODEW *mode = defaults.hDevMode ? (DEVMODEW *)GlobalLock(defaults.hDevMode) : NULL;
    if (mode) {
        mode->dmFields |= DM_ORIENTATION;
        mode->dmOrientation = DMORIENT_LANDSCAPE;
        GlobalUnlock(defaults.hDevMode);
    }
    dialog->hDevMode = defaults.hDevMode;
    dialog->hDevNames = defaults.hDevNames;
}

void printThroughDialog(HWND window, Bracket *bracket, int landscape, PrintOnDevice print, UINT failedId)
{
    PRINTDLGW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nCopies = 1;
    if (landscape)
        landscapeDefaults(window, &dialog);
    if (showPrintDialog(&dialog) && dialog.hDC) {
        /* "Print to file" is the port's business: "FILE:" makes the
         * spooler ask for the file's name. */
        const WCHAR *output = (dialog.Flags & PD_PRINTTOFILE) ? L"FILE:" : NULL;
        if (!print(bracket, dialog.hDC, output) && GetLastError() != ERROR_CANCELLED) {
            WCHAR name[128];
            loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, name, 128);
            showPictureFailure(window, bracket, failedId, bracket->title[0] ? bracket->title : name,
                               GetLastError());
        }
    }
    if (dialog.hDC)
        DeleteDC(dialog.hDC);
    if (dialog.hDevMode)
        GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames)
        GlobalFree(dialog.hDevNames);
}

void printPicture(HWND window, DocumentState *state)
{
    printThroughDialog(window, state->bracket, 1, printPictureOnDevice, IDS_PRINT_FAILED);
}

/* Narrows [low, high) by the same amount on both ends until it lies inside
 * [0, extent), so the picture stays centred on the paper. */
static void keepInsidePrintable(LONG *low, LONG *high, int extent)
{
    int inset = *low < 0 ? -*low : 0;
    if (*high - extent > inset)
        inset = *high - extent;
    *low += inset;
    *high -= inset;
}

/* The printable area in device units, less what of the half-inch margin the
 * printer does not already keep, so the picture sits centred on the paper. */
static RECT pageTarget(HDC printer)
{
    int marginX = GetDeviceCaps(printer, LOGPIXELSX) / 2, marginY = GetDeviceCaps(printer, LOGPIXELSY) / 2;
    int offsetX = GetDeviceCaps(printer, PHYSICALOFFSETX), offsetY = GetDeviceCaps(printer, PHYSICALOFFSETY);
    int paperWidth = GetDeviceCaps(printer, PHYSICALWIDTH), paperHeight = GetDeviceCaps(printer, PHYSICALHEIGHT);
    int width = GetDeviceCaps(printer, HORZRES), height = GetDeviceCaps(printer, VERTRES);
    if (paperWidth <= 0 || paperHeight <= 0) {
        /* Not a printer (a metafile, say): the whole surface is the page. */
        paperWidth = width;
        paperHeight = height;
        offsetX = offsetY = 0;
    }
    RECT target = {marginX - offsetX, marginY - offsetY, paperWidth - marginX - offsetX,
                   paperHeight - marginY - offsetY};
    keepInsidePrintable(&target.left, &target.right, width);
    keepInsidePrintable(&target.top, &target.bottom, height);
    return target;
}

int printPictureOnDevice(Bracket *bracket, HDC printer, const WCHAR *output)
{
    if (!bracket->slotCount || !printer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    DOCINFOW document = {};
    document.cbSize = sizeof document;
    WCHAR name[TITLE_CAPACITY];
    if (bracket->title[0])
        lstrcpynW(name, bracket->title, TITLE_CAPACITY);
    else
        loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, name, TITLE_CAPACITY);
    document.lpszDocName = name;
    document.lpszOutput = output;
    if (StartDocW(printer, &document) <= 0)
        return 0;
    int printed = 0;
    if (StartPage(printer) > 0) {
        drawBracketPicture(bracket, printer, pageTarget(printer));
        printed = EndPage(printer) > 0;
    }
    DWORD reason = GetLastError();
    if (printed)
        printed = EndDoc(printer) > 0;
    else
        AbortDoc(printer);
    if (!printed)
        SetLastError(reason ? reason : ERROR_WRITE_FAULT);
    return printed;
}
