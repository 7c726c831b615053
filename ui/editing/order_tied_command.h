/* Order tied entrants: the order the lots gave to entrants a decided
 * group's rules leave level, for the group of the focused cell or else
 * the first group that waits for it. */
#ifndef DUELMARK_UI_EDITING_ORDER_TIED_COMMAND_H
#define DUELMARK_UI_EDITING_ORDER_TIED_COMMAND_H

#include "ui/common/document_state.h"

void orderTiedEntrants(HWND window, DocumentState *state);

/* Whether a group has every match decided and entrants its rules leave
 * level (ordered by lot already or not). */
int tiedEntrantsToOrder(HWND window, DocumentState *state);

#endif
