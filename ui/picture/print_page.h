/* One page of a print layout drawn into any device context, the printer's
 * or the preview's: its part of the picture, the title and the date above
 * it, "Page x of y" below, and on a poster's tiles the cut marks and the
 * tile's place. */
#ifndef DUELMARK_UI_PICTURE_PRINT_PAGE_H
#define DUELMARK_UI_PICTURE_PRINT_PAGE_H

#include <windows.h>

#include "model/bracket.h"
#include "ui/picture/page_layout.h"

/* Where the sheet lies on the device. */
struct PageDevice {
    POINT paperOrigin;  /* the sheet's top-left corner, in device units */
    SIZE paperSize;     /* the whole sheet, in device units */
};

/* Draws page index of pages, laid out for sheet, onto dc. The dc's state
 * is restored after. */
void drawPrintPage(Bracket *bracket, HDC dc, const PageDevice *device, const PaperSheet *sheet,
                   const PrintPages *pages, int index);

#endif
