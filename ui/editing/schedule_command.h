/* The Schedule matches command: the dialog with the open bracket's rounds,
 * then every time and court it fills in. */
#ifndef DUELMARK_UI_EDITING_SCHEDULE_COMMAND_H
#define DUELMARK_UI_EDITING_SCHEDULE_COMMAND_H

#include "ui/common/document_state.h"

/* Schedule matches...: on OK the matches asked for get their times and
 * courts (the table of commands makes it one undo step). */
void scheduleMatchesCommand(HWND window, DocumentState *state);

#endif
