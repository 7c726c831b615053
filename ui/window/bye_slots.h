/* How a bye looks in the window: its base slot greyed and closed to input,
 * with the word for "bye" as a hint that is never part of the name. */
#ifndef DUELMARK_UI_WINDOW_BYE_SLOTS_H
#define DUELMARK_UI_WINDOW_BYE_SLOTS_H

#include "model/bracket.h"

/* Marks the edit of every bye among the laid-out base slots. */
void showByeSlots(Bracket *bracket);

#endif
