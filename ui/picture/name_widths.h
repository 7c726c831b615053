/* How wide the picture's names are in its name face, kept for the session.
 * The picture is laid out again after every change (the hall display, the
 * live page), and measuring each of a large bracket's names through GDI
 * again costs more than the rest of its layout. A text is its own key, so
 * a renamed entrant is measured afresh and never keeps an old width. */
#ifndef DUELMARK_UI_PICTURE_NAME_WIDTHS_H
#define DUELMARK_UI_PICTURE_NAME_WIDTHS_H

#include <windows.h>

/* 1 with *width when text was measured before. */
int knownNameWidth(const WCHAR *text, int *width);

/* Keeps a measured width. A text too long to keep is simply measured
 * every time; a full table starts over. */
void keepNameWidth(const WCHAR *text, int width);

/* Forgets every width (the tests compare against a fresh measurement). */
void forgetNameWidths(void);

#endif
