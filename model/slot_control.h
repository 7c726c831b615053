/* The one place where the model meets a slot's control: the two-way link
 * between a slot and its control, and the controls' end with the bracket.
 * Everything else in model/ is plain data. */
#ifndef DUELMARK_MODEL_SLOT_CONTROL_H
#define DUELMARK_MODEL_SLOT_CONTROL_H

#include "model/bracket.h"

/* Links control and node both ways. The node's address goes into the
 * control's user data last of all, so notifications the control raised
 * while it was being filled found no slot and were ignored. */
void bindSlotControl(HWND control, BracketNode *node);

/* The slot a control stands for, or NULL for a control not (yet) bound. */
BracketNode *slotOfControl(HWND control);

/* Destroys the window *control names, if any and still alive, and forgets it. */
void destroySlotControl(HWND *control);

/* Destroys every control the bracket's matches and slots are linked to (the
 * tree's, the third-place match's drop-down and heading, the losers'
 * bracket's) and forgets them; the nodes stay. */
void destroySlotControls(Bracket *bracket);

#endif
