// A main window made from the real IDD_MAIN template, whose procedure hands
// slot notifications to the pick-control handlers exactly as the editor's
// main window does, and counts what arrived so a test can tell whether a
// notification was raised at all.
#ifndef DUELMARK_TESTS_SLOT_WINDOW_H
#define DUELMARK_TESTS_SLOT_WINDOW_H

#include <windows.h>

#include "model/bracket.h"

struct SlotWindow {
    Bracket *bracket;
    HWND window;
    int selectionChanges;   // CBN_SELCHANGE from a pick control
    int textChanges;        // EN_CHANGE from a base-slot edit
    int dropDowns;          // CBN_DROPDOWN from a pick control
};

// Creates the window (modeless) with the record as its parameter.
// Returns the window, or NULL when the template could not be shown.
HWND openSlotWindow(SlotWindow *record, Bracket *bracket);

// Destroys the window; slot controls should be destroyed first.
void closeSlotWindow(SlotWindow *record);

// The control's window rectangle in its parent's client coordinates.
RECT rectInParent(HWND control);

// The width of text in the control's own font, as a user would see it drawn.
int textWidthInControlFont(HWND control, const WCHAR *text);

// The height of the line the control's font draws, descenders included.
int lineHeightInControlFont(HWND control);

#endif
