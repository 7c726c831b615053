/* One page of a print layout drawn into any device context, the printer's
 * or the preview's: its part of the picture's description, and the page's
 * own description over it: the title and the date above, "Page x of y"
 * below, and on a poster's tiles the cut marks and the tile's place. Both
 * are drawn by the one routine that draws every picture. */
#ifndef DUELMARK_UI_PRINT_PRINT_PAGE_H
#define DUELMARK_UI_PRINT_PRINT_PAGE_H

#include <windows.h>

#include "file/picture_description.h"
#include "model/bracket.h"
#include "ui/print/page_layout.h"

/* Where the sheet lies on the device. */
struct PageDevice {
    POINT paperOrigin;  /* the sheet's top-left corner, in device units */
    SIZE paperSize;     /* the whole sheet, in device units */
};

/* The title a printed page and the print job carry into title
 * (TITLE_CAPACITY units): the bracket's, or for an untitled one the
 * program's name. */
void printedTitle(Bracket *bracket, WCHAR *title);

/* Describes what page index carries besides the picture, in micrometres
 * of the sheet, with no paper of its own (it is drawn over the picture).
 * Returns 1, or 0 when memory ran out; furniture is freed by the caller
 * with freePictureDescription either way. */
int describePageFurniture(Bracket *bracket, const PaperSheet *sheet, const PrintPages *pages, int index,
                          PictureDescription *furniture);

/* Draws page index of pages, cut from picture and laid out for sheet,
 * onto dc. The dc's state is restored after. */
void drawPrintPage(Bracket *bracket, const PictureDescription *picture, HDC dc, const PageDevice *device,
                   const PaperSheet *sheet, const PrintPages *pages, int index);

#endif
