/* What slot controls do while the user types names and picks winners. */
#ifndef DUELMARK_UI_WINDOW_PICK_CONTROLS_H
#define DUELMARK_UI_WINDOW_PICK_CONTROLS_H

#include "ui/window/slot_geometry.h"

/* The name a slot control shows, cut to NAME_CAPACITY units. */
void shownName(HWND control, WCHAR text[NAME_CAPACITY]);

/* EN_CHANGE from a base-slot edit or CBN_SELCHANGE from a pick control:
 * the control's text becomes its slot's name, with the cascade of
 * applySlotText; a base slot's edit then tells when that name is another
 * entrant's (tellNameClash). Controls that carry no slot are ignored. */
void handleSlotTextChange(HWND control, Bracket *bracket);

/* CBN_DROPDOWN: refills the list with the two feeders' names, reselects the
 * node's pick as findChoice finds it, and widens the dropped list to fit. */
void fillPickChoices(Bracket *bracket, HWND control);

/* Adds a non-empty name to the list; returns its width in dc plus 8, or 0
 * for an empty name (nothing added). */
int addChoiceMeasured(HWND control, HDC dc, const WCHAR *name);

/* Adds count names in order, measured in the control's own font, and
 * returns the widest need, at least width. */
int addChoicesMeasured(HWND control, const WCHAR *const *names, int count, int width);

/* Refills a drop-down with up to two entrants' names (a name both carry
 * exactly offered once; two that differ only in case are two entrants),
 * reselects pick as findChoice finds it, and widens the dropped list to
 * fit. */
void offerEntrants(HWND control, const WCHAR *const names[2], const WCHAR *pick);

/* Resets a pick combobox to the one item name (which may be empty),
 * selected: a pick the user has no choice over. */
void showSoleChoice(HWND control, const WCHAR *name);

/* From now on, every pick a rule sets (model/match_record.h, tellPickRuled)
 * shows in its drop-down at once, if it has one. Kept while the record
 * lives; layoutBracket registers it. */
void showRuledPicks(Bracket *bracket);

/* Creates a pick's drop-down of control id with its top-left corner at
 * (left, top), showing the node's pick; the caller binds it. Returns the
 * control or NULL. */
HWND createPickControl(HINSTANCE instance, HWND parent, int left, int top, BracketNode *node,
                       const SlotGeometry *geometry, int id);

#endif
