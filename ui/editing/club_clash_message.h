/* The message that names club-mates the draw could not keep apart. */
#ifndef DUELMARK_UI_EDITING_CLUB_CLASH_MESSAGE_H
#define DUELMARK_UI_EDITING_CLUB_CLASH_MESSAGE_H

#include "model/club_separation.h"

/* The text naming each clash of draw (the first few, then "..."), in the
 * bracket's module's words, with each round named as the picture heads it,
 * into a heap block the caller frees; NULL without clashes or memory. */
WCHAR *clubClashText(Bracket *bracket, const Entrant *field, const SeparatedDraw *draw);

/* Shows that text over window, when there is any. */
void reportClubClashes(HWND window, Bracket *bracket, const Entrant *field, const SeparatedDraw *draw);

/* The text naming the club-mates (by the bracket's entrant list) who share
 * a group (the first few, then "..."), into a heap block the caller frees;
 * NULL when every group's clubs are apart or memory ran out. */
WCHAR *groupClubClashText(Bracket *bracket);

/* Shows that text over window, when there is any. */
void reportGroupClubClashes(HWND window, Bracket *bracket);

#endif
