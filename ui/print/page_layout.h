/* Print layouts as pages cut from the picture's description: which
 * rectangle of the picture each page shows, at what scale and where on the
 * paper. The printer and the preview both draw the pages this one routine
 * cuts. Lengths on paper are micrometres, lengths in the picture are its
 * own units. */
#ifndef DUELMARK_UI_PRINT_PAGE_LAYOUT_H
#define DUELMARK_UI_PRINT_PAGE_LAYOUT_H

#include <windows.h>

#include "file/picture_description.h"
#include "ui/common/print_setup.h"

enum {
    PAGE_OVERLAP_UM = 10000,      /* poster pages share this much with each neighbour */
    PAGE_FURNITURE_UM = 8000      /* the band for a page's heading or footing */
};

/* A sheet of paper as the printer sees it. */
struct PaperSheet {
    SIZE paper;       /* the whole sheet */
    RECT printable;   /* what the printer can mark, from the sheet's corner */
    RECT margins;     /* the user's margins: distance from each edge */
};

struct PrintPage {
    RECT part;        /* the picture's rectangle this page shows */
    RECT kept;        /* what of part counts once a poster is cut along its marks */
    POINT origin;     /* where part's top-left corner lands on the paper */
    int nmPerUnit;    /* the scale: nanometres of paper per picture unit */
    int row, column;  /* a tile's place from 1; 0 on a page that is not a tile */
};

struct PrintPages {
    RECT content;     /* the area between heading and footing, on the paper */
    int count;
    PrintPage *pages; /* count entries on the process heap */
};

/* The area pictures go in: inside the margins and the printable area,
 * with room above and below for the heading and the footing. */
RECT pageContentArea(const PaperSheet *sheet);

/* Cuts the picture into pages for layout on sheet; posterPoints is the
 * smallest text's size on a poster or a half cut into pages. A page edge
 * passes beside every box and text (and every line that allows it), or
 * where it cannot, through the overlap that shows it whole on the next
 * page. Returns 1 with pages filled in (free them with
 * releasePrintPages), or 0 with nothing to free when the picture is empty
 * or memory ran out. */
int paginatePicture(const PictureDescription *picture, const PaperSheet *sheet, int layout, int posterPoints,
                    PrintPages *pages);

void releasePrintPages(PrintPages *pages);

#endif
