/* The undo history as the Bracket record holds it; the operations on it
 * are in model/undo_history.h. */
#ifndef DUELMARK_MODEL_UNDO_RECORD_H
#define DUELMARK_MODEL_UNDO_RECORD_H

#include <windows.h>

struct Bracket;
struct BracketNode;
struct UndoStep;

enum { UNDO_STEP_LIMIT = 1000 };  /* the oldest steps beyond this are dropped */

/* All zero is an empty history whose save point is where it starts. */
struct UndoHistory {
    UndoStep **steps;      /* UNDO_STEP_LIMIT entries, oldest first, or NULL */
    int count;             /* steps held */
    int position;          /* steps below it are done; the rest can be redone */
    int savePoint;         /* position at which the bracket matches its file */
    int savePointLost;     /* no held position matches the file */
    WCHAR *before;         /* the bracket as the open step found it */
    int beforeValues;      /* value count that buffer was made for */
    int beforeMissing;     /* the open step has no "before": drop the history */
    int openSteps;         /* beginUndoStep calls not yet ended */
    UINT typingSlot;       /* base slot whose keystrokes gather in one step */
    int typingStepHeld;    /* the newest step is that slot's typing */
    int replaying;         /* undo or redo is putting a step back */
    int entrantCount;      /* length of the entrant list the steps were made for */
};

/* What follows every change to a bracket record, whatever tree it holds:
 * the window's marks, the Groups page, the live page and the hall display
 * take four; the rest is room for what comes next. */
enum { UNDO_WATCHER_LIMIT = 8 };

struct UndoWatcher {
    void (*told)(Bracket *, BracketNode *, void *); /* NULL: a free place */
    void *context;
};

#endif
