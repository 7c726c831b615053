/* A match's outcome as the file's Status attribute names it. */
#ifndef DUELMARK_FILE_MATCH_STATUS_H
#define DUELMARK_FILE_MATCH_STATUS_H

#include <windows.h>

/* The Status attribute's value for an outcome, NULL for a played match
 * (written without one). */
const WCHAR *matchStatusName(int outcome);

/* The outcome a Status value names; an unknown value or none is played. */
int matchStatusOutcome(const WCHAR *value);

#endif
