/* Edit > Entrants...: the entrant list shown, and edited before the draw. */
#ifndef DUELMARK_UI_EDITING_ENTRANTS_COMMAND_H
#define DUELMARK_UI_EDITING_ENTRANTS_COMMAND_H

#include "ui/common/document_state.h"

/* Runs the Entrants dialog on the open bracket's list; OK puts the edited
 * list in its place and marks the bracket changed. An entrant who stands
 * in the first round keeps name and place there. */
void editEntrants(HWND window, DocumentState *state);

#endif
