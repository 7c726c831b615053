/* What File > Page setup and the print layout chose: kept for the rest of
 * the session, so Print, the preview and the next page setup start from it. */
#ifndef DUELMARK_UI_COMMON_PRINT_SETUP_H
#define DUELMARK_UI_COMMON_PRINT_SETUP_H

#include <windows.h>

enum PrintLayout {
    LAYOUT_ONE_PAGE = 0,  /* the whole picture fitted on one page */
    LAYOUT_HALVES = 1,    /* the left and the right half, the final on both */
    LAYOUT_POSTER = 2     /* legible names, cut into overlapping pages */
};

enum {
    POSTER_MIN_POINTS = 9,   /* the smallest text of a poster or a half, in points */
    POSTER_MAX_POINTS = 36
};

/* Every field zero: nothing chosen yet (the default printer turned to
 * landscape, half-inch margins, one page). */
struct PrintSetup {
    HGLOBAL devMode;        /* the printer's settings (paper, orientation), or NULL */
    HGLOBAL devNames;       /* which printer, or NULL */
    RECT margins;           /* hundredths of a millimetre from each edge */
    int marginsChosen;      /* margins hold the page setup's answer */
    int paperChosen;        /* paper and landscape hold page setup's answer where no printer is installed */
    int paper;              /* the paper the preview shows then (a PaperKind) */
    int landscape;          /* 1: that paper's long side across */
    int layout;             /* a PrintLayout */
    int posterPoints;       /* 0: POSTER_MIN_POINTS */
};

/* A name size as typed, brought into POSTER_MIN_POINTS .. POSTER_MAX_POINTS. */
int legiblePoints(int points);

#endif
