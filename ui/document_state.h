/* The main window's parameter: the one bracket and the file it came from. */
#ifndef DUELMARK_UI_DOCUMENT_STATE_H
#define DUELMARK_UI_DOCUMENT_STATE_H

#include "model/bracket.h"

enum { PATH_CAPACITY = 260 };

struct DocumentState {
    Bracket *bracket;
    WCHAR path[PATH_CAPACITY];  /* empty: no file yet, or no bracket open */
};

#endif
