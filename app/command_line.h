/* The bracket file named on the command line. */
#ifndef DUELMARK_APP_COMMAND_LINE_H
#define DUELMARK_APP_COMMAND_LINE_H

#include <windows.h>

/* Copies the first argument after the program path (at most 259 units,
 * quotes removed) into out, which holds 260 units. Returns 1 when there was
 * one; 0 with out empty otherwise. */
int getFirstArgument(WCHAR *out);

/* The same, for a given command line rather than the process's own. */
int firstArgumentOf(const WCHAR *commandLine, WCHAR *out);

#endif
