/* When two names are one. A pick is the very name its entrant carries, so
 * identity is decided unit by unit, never by a locale that may ignore
 * characters (a zero-width space, a soft hyphen) and make two names one.
 * Entrants, though, are people: two whose names differ only in case or in
 * outer spaces look like one entrant on paper, so a second is refused or
 * questioned wherever a name is given. Sorting for people is neither. */
#ifndef DUELMARK_MODEL_ENTRANT_NAME_H
#define DUELMARK_MODEL_ENTRANT_NAME_H

#include <windows.h>

/* 1 when a and b hold the same code units. */
int sameName(const WCHAR *a, const WCHAR *b);

/* 1 when a and b are the same once outer spaces go and case is folded
 * (ordinally, as the system's upper-case table does); two empty or blank
 * names are no entrant and are never alike. */
int sameEntrantName(const WCHAR *a, const WCHAR *b);

#endif
