/* File > Print: the bracket picture on one page, landscape by default. */
#ifndef DUELMARK_UI_PICTURE_PRINT_PICTURE_H
#define DUELMARK_UI_PICTURE_PRINT_PICTURE_H

#include <windows.h>

#include "model/bracket.h"
#include "ui/common/document_state.h"

/* Prints a document on printer, StartDoc's output file being output (NULL:
 * the printer's port). Returns 1 when the pages went out, 0 with the
 * reason as the thread's last error. */
typedef int (*PrintOnDevice)(Bracket *bracket, HDC printer, const WCHAR *output);

/* The platform's print dialog (landscape preselected when asked), then
 * print on the printer chosen. A failure other than the user's cancel is
 * told with the message failedId (%1 the title, %2 the reason). */
void printThroughDialog(HWND window, Bracket *bracket, int landscape, PrintOnDevice print, UINT failedId);

/* The platform's print dialog (landscape preselected), then one page.
 * Does nothing when no bracket is open or the dialog is cancelled; a
 * failed print is reported to the user. */
void printPicture(HWND window, DocumentState *state);

/* Prints the picture as one document of one page on printer, fitted
 * inside half-inch margins and centred on the paper. output is
 * StartDoc's output file (NULL: the printer's port). Returns 1 when the
 * page went out, 0 with the reason as the thread's last error. */
int printPictureOnDevice(Bracket *bracket, HDC printer, const WCHAR *output);

#endif
