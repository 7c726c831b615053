/* File > Page setup, and the paper every print layout is cut for: the
 * session's printer and its settings, or, with no printer installed, the
 * paper the user's region uses. */
#ifndef DUELMARK_UI_PRINT_PAGE_SETUP_H
#define DUELMARK_UI_PRINT_PAGE_SETUP_H

#include <windows.h>

#include "model/bracket.h"
#include "ui/common/document_state.h"
#include "ui/print/page_layout.h"
#include "ui/print/print_page.h"

/* The system's page setup dialog (paper, orientation, margins) on the
 * session's settings, which keep the answer. With no printer installed, a
 * page setup of the editor's own chooses the same for the preview. */
void pageSetup(HWND window, DocumentState *state);

/* Gives setup the default printer's settings, turned to landscape (a
 * bracket is wider than tall from 8 teams on), unless it has a printer
 * already. Returns 0 when no printer is installed. Shows nothing. */
int choosePrinterDefaults(HWND window, PrintSetup *setup);

/* The message that no printer is installed, so nothing can be printed. */
void sayNoPrinter(HWND window, Bracket *bracket);

/* The sheet and its place on a printer's device context (a context that is
 * not a printer's counts as a sheet of its own size, every part printable),
 * with the session's margins. */
void sheetOfDevice(HDC dc, const PrintSetup *setup, PaperSheet *sheet, PageDevice *device);

/* The sheet the session's printer would print on; with no printer, the
 * paper page setup chose, or else the region's usual paper (A4 or Letter)
 * in landscape, every part printable. */
void previewSheet(const PrintSetup *setup, PaperSheet *sheet);

/* Frees what the session's settings hold; at the end of the session. */
void forgetPrintSetup(PrintSetup *setup);

#endif
