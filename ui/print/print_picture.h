/* File > Print: the layout, the print dialog, then every page of the
 * layout, cut for the session's paper. */
#ifndef DUELMARK_UI_PRINT_PRINT_PICTURE_H
#define DUELMARK_UI_PRINT_PRINT_PICTURE_H

#include <windows.h>

#include "model/bracket.h"
#include "ui/common/document_state.h"

/* The pages to print, numbered from 1, both ends included; a last page
 * past the document's end means up to its end. */
struct PageRange {
    int first, last;
};

/* Every page of a document. */
const PageRange ALL_PAGES = {1, 0x7FFFFFFF};

/* Prints the pages of a document in range on printer, StartDoc's output
 * file being output (NULL: the printer's port); context is what the caller
 * handed on. Returns 1 when the pages went out, 0 with the reason as the
 * thread's last error. */
typedef int (*PrintOnDevice)(Bracket *bracket, HDC printer, const void *context, const PageRange *range,
                             const WCHAR *output);

/* The platform's print dialog, starting from the printer settings
 * *devMode and *devNames (NULL: the default printer's), which take what
 * the dialog hands back; then print on the printer chosen. With pageCount
 * pages (0: not known beforehand) the dialog offers a range of them, so a
 * jammed sheet is printed again alone. A failure other than the user's
 * cancel is told with the message failedId (%1 the title, %2 the reason). */
void printThroughDialog(HWND window, Bracket *bracket, HGLOBAL *devMode, HGLOBAL *devNames, int pageCount,
                        PrintOnDevice print, const void *context, UINT failedId);

/* Says so when no printer is installed; otherwise asks for the layout,
 * then shows the platform's print dialog (the session's printer, landscape
 * unless the page setup chose otherwise) and prints. Does nothing more
 * when a dialog is cancelled; a failed print is reported to the user. */
void printPicture(HWND window, DocumentState *state);

/* The print dialog and the pages of the session's layout, without asking
 * for the layout: what Print does once the layout is known. */
void printWithPrintDialog(HWND window, DocumentState *state);

/* Prints the pages in range of the layout setup holds as one document on
 * printer, each numbered as in the whole layout. output is StartDoc's
 * output file (NULL: the printer's port). Returns 1 when every page went
 * out (or none was in range), 0 with the reason as the thread's last
 * error. */
int printLayoutOnDevice(Bracket *bracket, HDC printer, const PrintSetup *setup, const PageRange *range,
                        const WCHAR *output);

#endif
