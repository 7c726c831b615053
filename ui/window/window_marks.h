/* The event drawn on the main window's background around the slot
 * controls, in the slots' font and placed from where the controls stand,
 * so it scales and scrolls with them: the round names over the columns,
 * each seed beside its first-round box, the score and outcome mark under
 * each decided pick, and when and where each undecided match is played
 * above it. No control is added for any of it. */
#ifndef DUELMARK_UI_WINDOW_WINDOW_MARKS_H
#define DUELMARK_UI_WINDOW_WINDOW_MARKS_H

#include "model/bracket.h"
#include "ui/common/match_marks.h"
#include "ui/window/mark_places.h"

enum WindowMarkKind {
    WINDOW_MARK_HEADING,         /* a round's name over its column */
    WINDOW_MARK_LOSERS_HEADING,  /* a losers' round's name, in up to two lines */
    WINDOW_MARK_SEED,
    WINDOW_MARK_SCORE,           /* a decided match's score and outcome */
    WINDOW_MARK_SCHEDULE,        /* an open match's time and court */
    WINDOW_MARK_DROP_IN          /* where a losers' match's entrants come from */
};

struct WindowMark {
    int kind;                    /* WindowMarkKind */
    WCHAR text[MARK_CAPACITY];   /* the whole text; the tooltip shows it too */
    int keptFrom;                /* where the outcome's mark begins, kept when shortened; -1: none */
    MarkPlace place;
};

/* WM_PAINT of the main window: paints the background and the marks.
 * Returns TRUE, the message's dialog result. */
INT_PTR paintWindowMarks(HWND window, Bracket *bracket);

/* From the window's creation to its end: every change to the bracket it
 * shows (undo and redo included, another bracket too) redraws the marks
 * it touched at once. */
void followWindowMarks(HWND window, Bracket *bracket);
void forgetWindowMarks(HWND window, Bracket *bracket);

/* Every mark the window shows now, where it is drawn (client coordinates,
 * the slots' font selected into dc): count of them, on the process heap
 * for the caller to free. NULL with count 0 when there are none. */
WindowMark *layOutWindowMarks(HWND window, Bracket *bracket, HDC dc, int *count);

/* The marks alone, drawn into dc (the window's client coordinates) where
 * they touch area; the background is the caller's. */
void drawWindowMarks(HWND window, Bracket *bracket, HDC dc, const RECT *area);

#endif
