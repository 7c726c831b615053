/* The main window's side of undo and redo: each change made through a slot
 * control becomes a step of the bracket's history, and a step put back is
 * shown again in every control it touched. */
#ifndef DUELMARK_UI_EDITING_EDIT_HISTORY_H
#define DUELMARK_UI_EDITING_EDIT_HISTORY_H

#include "model/bracket.h"
#include "ui/common/document_state.h"

/* EN_CHANGE from a base-slot edit or CBN_SELCHANGE from a pick control, as
 * handleSlotTextChange, recorded as a step: a pick with its cascade alone,
 * a keystroke together with the others typed while its slot keeps the
 * focus. */
void recordSlotTextChange(HWND control, Bracket *bracket);

/* Undo and redo commands: put back one step and show it (window is the
 * main window, whose caption shows the title). Nothing when there is none. */
void undoEdit(HWND window, DocumentState *state);
void redoEdit(HWND window, DocumentState *state);

/* Makes a slot's control show its node's name: the edit's text, or the
 * pick's one selected item (a blank one for an empty pick). Raises no
 * change of its own: the edit's EN_CHANGE finds the name already there. */
void showSlotName(BracketNode *node);

/* Every knockout match shown again as the model holds it: a group result
 * or a lot may have put entrants into its base slots and cleared what
 * followed them. */
void showWholeKnockout(HWND window, Bracket *bracket);

/* Shows every base slot whose edit does not show its name yet. */
void showBaseSlotNames(Bracket *bracket);

#endif
