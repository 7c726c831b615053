/* File > Print: the layout, the print dialog, then every page of the
 * layout, cut for the session's paper. */
#ifndef DUELMARK_UI_PICTURE_PRINT_PICTURE_H
#define DUELMARK_UI_PICTURE_PRINT_PICTURE_H

#include <windows.h>

#include "model/bracket.h"
#include "ui/common/document_state.h"

/* Prints a document on printer, StartDoc's output file being output (NULL:
 * the printer's port); context is what the caller handed on. Returns 1
 * when the pages went out, 0 with the reason as the thread's last error. */
typedef int (*PrintOnDevice)(Bracket *bracket, HDC printer, const void *context, const WCHAR *output);

/* The platform's print dialog, starting from the printer settings
 * *devMode and *devNames (NULL: the default printer's), which take what
 * the dialog hands back; then print on the printer chosen. A failure other
 * than the user's cancel is told with the message failedId (%1 the title,
 * %2 the reason). */
void printThroughDialog(HWND window, Bracket *bracket, HGLOBAL *devMode, HGLOBAL *devNames, PrintOnDevice print,
                        const void *context, UINT failedId);

/* Says so when no printer is installed; otherwise asks for the layout,
 * then shows the platform's print dialog (the session's printer, landscape
 * unless the page setup chose otherwise) and prints. Does nothing more
 * when a dialog is cancelled; a failed print is reported to the user. */
void printPicture(HWND window, DocumentState *state);

/* The print dialog and the pages of the session's layout, without asking
 * for the layout: what Print does once the layout is known. */
void printWithPrintDialog(HWND window, DocumentState *state);

/* Prints every page of the layout setup holds as one document on printer.
 * output is StartDoc's output file (NULL: the printer's port). Returns 1
 * when every page went out, 0 with the reason as the thread's last error. */
int printLayoutOnDevice(Bracket *bracket, HDC printer, const PrintSetup *setup, const WCHAR *output);

#endif
