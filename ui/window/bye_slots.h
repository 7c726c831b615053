/* How a bye looks in the window: its base slot greyed and closed to input,
 * with the word for "bye" as a hint that is never part of the name. A slot
 * the groups fill looks the same, its hint saying whose place it is
 * ("1st Group A") until the group is decided and the name stands there. */
#ifndef DUELMARK_UI_WINDOW_BYE_SLOTS_H
#define DUELMARK_UI_WINDOW_BYE_SLOTS_H

#include "model/bracket.h"
#include "model/group_knockout.h"

/* Whether a base slot is closed to input: a bye, or a seat the groups fill.
 * seats: the bracket's group knockout (groupKnockoutOf), or NULL. */
int isHeldBaseSlot(const BracketNode *slot, const GroupKnockout *seats);

/* Marks the edit of every bye and every slot the groups fill among the
 * laid-out base slots; seats as for isHeldBaseSlot. */
void showByeSlots(Bracket *bracket, const GroupKnockout *seats);

#endif
