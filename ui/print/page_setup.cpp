#include "ui/print/page_setup.h"
#include <commdlg.h>

#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/dialogs/common_dialogs.h"
#include "ui/dialogs/paper_setup_dialog.h"

enum {
    UM_PER_INCH = 25400,
    DEFAULT_MARGIN = 1270     /* hundredths of a millimetre: half an inch */
};

int choosePrinterDefaults(HWND window, PrintSetup *setup)
{
    if (setup->devNames)
        return 1;
    PRINTDLGW defaults = {};
    defaults.lStructSize = sizeof defaults;
    defaults.hwndOwner = window;
    defaults.Flags = PD_RETURNDEFAULT;
    if (!showPrintDialog(&defaults) || !defaults.hDevNames) {
        if (defaults.hDevMode)
            GlobalFree(defaults.hDevMode);
        return 0;
    }
    DEVMODEW *mode = defaults.hDevMode ? (DEVMODEW *)GlobalLock(defaults.hDevMode) : NULL;
    if (mode) {
        mode->dmFields |= DM_ORIENTATION;
        mode->dmOrientation = DMORIENT_LANDSCAPE;
        GlobalUnlock(defaults.hDevMode);
    }
    setup->devMode = defaults.hDevMode;
    setup->devNames = defaults.hDevNames;
    return 1;
}

void sayNoPrinter(HWND window, Bracket *bracket)
{
    WCHAR caption[128], text[512];
    if (!loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    if (!loadStringWithFallback(bracket->resourceModule, IDS_NO_PRINTER, text, 512))
        lstrcpyW(text, L"No printer is installed.");
    MessageBoxW(window, text, caption, MB_OK | MB_ICONINFORMATION);
}

static RECT marginsOf(const PrintSetup *setup)
{
    RECT margins = {DEFAULT_MARGIN, DEFAULT_MARGIN, DEFAULT_MARGIN, DEFAULT_MARGIN};
    if (setup->marginsChosen)
        margins = setup->margins;
    /* Hundredths of a millimetre into micrometres. */
    RECT um = {margins.left * 10, margins.top * 10, margins.right * 10, margins.bottom * 10};
    return um;
}

/* The region's usual paper: Letter and Legal where those are the custom,
 * else A4. */
static int regionalPaper(void)
{
    DWORD paper = 0;
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER, (WCHAR *)&paper,
                    sizeof paper / sizeof(WCHAR));
    if (paper == DMPAPER_LETTER)
        return PAPER_LETTER;
    return paper == DMPAPER_LEGAL ? PAPER_LEGAL : PAPER_A4;
}

/* A paper upright, in micrometres. */
static SIZE paperSize(int paper)
{
    static const SIZE SIZES[PAPER_KINDS] = {{210000, 297000}, {215900, 279400}, {215900, 355600}};
    return SIZES[paper >= 0 && paper < PAPER_KINDS ? paper : PAPER_A4];
}

/* With no printer the preview still shows pages, so its paper and margins
 * are chosen here. */
static void pageSetupWithoutPrinter(HWND window, DocumentState *state)
{
    PrintSetup *setup = &state->print;
    RECT margins = {DEFAULT_MARGIN, DEFAULT_MARGIN, DEFAULT_MARGIN, DEFAULT_MARGIN};
    PaperChoice choice = {setup->paperChosen ? setup->paper : regionalPaper(),
                          setup->paperChosen ? setup->landscape : 1, setup->marginsChosen ? setup->margins : margins};
    if (!runPaperSetupDialog(window, state->bracket->resourceModule, &choice))
        return;
    setup->paper = choice.paper;
    setup->landscape = choice.landscape;
    setup->paperChosen = 1;
    setup->margins = choice.margins;
    setup->marginsChosen = 1;
}

void pageSetup(HWND window, DocumentState *state)
{
    PrintSetup *setup = &state->print;
    if (!choosePrinterDefaults(window, setup))
        return pageSetupWithoutPrinter(window, state);
    PAGESETUPDLGW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.hDevMode = setup->devMode;
    dialog.hDevNames = setup->devNames;
    dialog.Flags = PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS;
    RECT margins = {DEFAULT_MARGIN, DEFAULT_MARGIN, DEFAULT_MARGIN, DEFAULT_MARGIN};
    dialog.rtMargin = setup->marginsChosen ? setup->margins : margins;
    BOOL chosen = showPageSetupDialog(&dialog);
    /* The dialog may hand back new blocks for the settings, freeing the old. */
    setup->devMode = dialog.hDevMode;
    setup->devNames = dialog.hDevNames;
    if (chosen) {
        setup->margins = dialog.rtMargin;
        setup->marginsChosen = 1;
    }
}

void sheetOfDevice(HDC dc, const PrintSetup *setup, PaperSheet *sheet, PageDevice *device)
{
    int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    int width = GetDeviceCaps(dc, HORZRES), height = GetDeviceCaps(dc, VERTRES);
    int paperWidth = GetDeviceCaps(dc, PHYSICALWIDTH), paperHeight = GetDeviceCaps(dc, PHYSICALHEIGHT);
    int offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX), offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    if (paperWidth <= 0 || paperHeight <= 0) {
        paperWidth = width;
        paperHeight = height;
        offsetX = offsetY = 0;
    }
    if (dpiX <= 0 || dpiY <= 0)
        dpiX = dpiY = 96;
    sheet->paper.cx = MulDiv(paperWidth, UM_PER_INCH, dpiX);
    sheet->paper.cy = MulDiv(paperHeight, UM_PER_INCH, dpiY);
    sheet->printable.left = MulDiv(offsetX, UM_PER_INCH, dpiX);
    sheet->printable.top = MulDiv(offsetY, UM_PER_INCH, dpiY);
    sheet->printable.right = MulDiv(offsetX + width, UM_PER_INCH, dpiX);
    sheet->printable.bottom = MulDiv(offsetY + height, UM_PER_INCH, dpiY);
    sheet->margins = marginsOf(setup);
    device->paperOrigin.x = -offsetX;
    device->paperOrigin.y = -offsetY;
    device->paperSize.cx = paperWidth;
    device->paperSize.cy = paperHeight;
}

/* An information context for the session's printer, or NULL. */
static HDC printerInformation(const PrintSetup *setup)
{
    if (!setup->devNames)
        return NULL;
    const DEVNAMES *names = (const DEVNAMES *)GlobalLock(setup->devNames);
    if (!names)
        return NULL;
    const WCHAR *base = (const WCHAR *)names;
    const DEVMODEW *mode = setup->devMode ? (const DEVMODEW *)GlobalLock(setup->devMode) : NULL;
    HDC dc = CreateICW(base + names->wDriverOffset, base + names->wDeviceOffset, NULL, mode);
    if (mode)
        GlobalUnlock(setup->devMode);
    GlobalUnlock(setup->devNames);
    return dc;
}

void previewSheet(const PrintSetup *setup, PaperSheet *sheet)
{
    HDC printer = printerInformation(setup);
    if (printer) {
        PageDevice unused;
        sheetOfDevice(printer, setup, sheet, &unused);
        DeleteDC(printer);
        return;
    }
    SIZE paper = paperSize(setup->paperChosen ? setup->paper : regionalPaper());
    int landscape = setup->paperChosen ? setup->landscape : 1;
    sheet->paper.cx = landscape ? paper.cy : paper.cx;
    sheet->paper.cy = landscape ? paper.cx : paper.cy;
    sheet->printable = RECT{0, 0, sheet->paper.cx, sheet->paper.cy};
    sheet->margins = marginsOf(setup);
}

void forgetPrintSetup(PrintSetup *setup)
{
    if (setup->devMode)
        GlobalFree(setup->devMode);
    if (setup->devNames)
        GlobalFree(setup->devNames);
    setup->devMode = NULL;
    setup->devNames = NULL;
}
