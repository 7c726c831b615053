/* The file's numbers: ids and scores as plain decimal text. */
#ifndef DUELMARK_FILE_PARSE_DECIMAL_H
#define DUELMARK_FILE_PARSE_DECIMAL_H

#include <windows.h>

/* ASCII digits only; the empty text is 0. Returns 1 with the value, or 0
 * with value 0 for any other character or a value above 2^31 - 1. */
int parseDecimal(const WCHAR *text, int *value);

#endif
