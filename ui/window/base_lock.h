/* The base slots' lock. It lives in their edit controls alone and covers
 * all of them: the model and the dirty flag know nothing of it. */
#ifndef DUELMARK_UI_WINDOW_BASE_LOCK_H
#define DUELMARK_UI_WINDOW_BASE_LOCK_H

#include "model/bracket.h"

/* Makes every base slot's edit read-only, or editable again. */
void setBaseSlotsReadOnly(Bracket *bracket, BOOL readOnly);

/* 1 while the base slots take typing: a bracket with slots whose first
 * base edit is not read-only. */
int baseSlotsEditable(Bracket *bracket);

/* 1 while the base slots are locked: the first base edit is read-only.
 * Not the negation of baseSlotsEditable: both are 0 when that edit is
 * missing, so a command needing either state is refused. */
int baseSlotsLocked(Bracket *bracket);

#endif
