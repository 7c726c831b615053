/* The words for a knockout slot the groups fill: "1st Group A". */
#ifndef DUELMARK_UI_COMMON_GROUP_SEAT_TEXT_H
#define DUELMARK_UI_COMMON_GROUP_SEAT_TEXT_H

#include <windows.h>

/* The place 1 .. 4 of group 0 .. 25 into text (capacity units), in the
 * words of module (the executable's where module lacks them). */
void groupSeatText(HMODULE module, int group, int place, WCHAR *text, int capacity);

#endif
