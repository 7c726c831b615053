/* Where each mark drawn on the main window's background stands, from where
 * it belongs and what already stands there: one plain computation, so the
 * painting and the tests agree on every mark's rectangle. */
#ifndef DUELMARK_UI_WINDOW_MARK_PLACES_H
#define DUELMARK_UI_WINDOW_MARK_PLACES_H

#include <windows.h>

/* Which way a mark's text runs from its anchor. */
enum MarkRun {
    RUN_BACK = -1,   /* ends at the anchor, reaching back (left) as far as it needs */
    RUN_CENTRED = 0, /* centred on the anchor */
    RUN_ON = 1       /* starts at the anchor, reaching on (right) */
};

struct MarkPlace {
    RECT home;     /* the line it may take: its column, and where it may reach */
    int anchor;    /* x inside home the text keeps to */
    int run;       /* MarkRun */
    int width;     /* the whole text's width */
    int least;     /* the narrowest it is worth showing; narrower, it is left out */
    RECT placed;   /* out: where it is drawn; empty when it is left out */
};

/* Places marks in order: each gives way to the controls and to every mark
 * placed before it, keeping what room it has on its anchor's line; a mark
 * whose anchor is covered, or whose room is narrower than its least, is
 * left out. Placed rectangles meet no control and no other mark. */
void placeMarks(MarkPlace *marks, int count, const RECT *controls, int controlCount);

#endif
