/* The bracket file named on the command line. */
#ifndef DUELMARK_APP_COMMAND_LINE_H
#define DUELMARK_APP_COMMAND_LINE_H

#include <windows.h>

/* Finds the first argument after the program path in commandLine, quotes
 * removed. Returns 1 with where it starts and its length in units, 0 when
 * there is none. */
int findFirstArgument(const WCHAR *commandLine, const WCHAR **start, int *length);

/* Copies the first argument into out, which holds 260 units. Returns 1
 * when there is one and it fits whole; 0 with out empty otherwise, since a
 * cut name would be some other file. */
int firstArgumentOf(const WCHAR *commandLine, WCHAR *out);

#endif
