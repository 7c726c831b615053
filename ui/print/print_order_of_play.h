/* File > Print order of play...: the order of play on portrait pages
 * through the print dialog, each page headed by the title and the date
 * printed and footed by "Page x of y". */
#ifndef DUELMARK_UI_PRINT_PRINT_ORDER_OF_PLAY_H
#define DUELMARK_UI_PRINT_PRINT_ORDER_OF_PLAY_H

#include "model/bracket.h"
#include "ui/common/document_state.h"

/* The command: the print dialog, then the pages; a failure is told. */
void printOrderOfPlay(HWND window, DocumentState *state);

/* Prints the pages on printer (a printer's device context), to output
 * when it is not NULL. Returns 1, or 0 with the reason in GetLastError(). */
int printOrderOfPlayOnDevice(Bracket *bracket, HDC printer, const WCHAR *output);

#endif
