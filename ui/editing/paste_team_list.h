/* Pasting a team list: text of several lines pasted into a base slot fills
 * that slot and the ones after it, one name a line, as one undo step. */
#ifndef DUELMARK_UI_EDITING_PASTE_TEAM_LIST_H
#define DUELMARK_UI_EDITING_PASTE_TEAM_LIST_H

#include "model/bracket.h"
#include "ui/common/document_state.h"

/* Makes every base-slot edit of the laid-out bracket take a pasted list;
 * a single line still pastes as the edit's own paste. */
void watchBaseSlotPastes(Bracket *bracket);

/* Fills base slots from the clipboard's text starting at edit's slot, as
 * one step. Returns 1 when the paste was taken as a list, 0 when it is
 * left to the edit (single line, no text, locked slot, no slot). */
int pasteListIntoSlot(HWND edit, Bracket *bracket, int evenSingleLine);

/* The Edit menu's item: the clipboard's names from the first base slot. */
void pasteTeamList(HWND window, DocumentState *state);

#endif
