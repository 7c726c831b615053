/* The editor's run between start-up and teardown: the one bracket record,
 * the file named on the command line and the modal main window. */
#ifndef DUELMARK_APP_RUN_EDITOR_H
#define DUELMARK_APP_RUN_EDITOR_H

#include <windows.h>

/* Allocates the bracket, runs the main window from module's template until
 * it ends, then frees the bracket with its nodes and controls. Returns 1
 * when the window ran, 0 when the record could not be allocated (then no
 * window is shown at all: the main window cannot work without it). */
int runEditor(HMODULE module);

#endif
