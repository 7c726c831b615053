/* The steps by which changes to the open bracket's names, picks, results,
 * match outcomes, courts and times, third-place match and title can be undone and redone, and the point at
 * which the bracket was last saved or loaded. A step is the difference between the bracket before and
 * after one change, so whatever a change touched (a cascade, a whole clear)
 * comes back exactly. The history lives in the Bracket record and goes with
 * its tree: destroying the tree empties it. */
#ifndef DUELMARK_MODEL_UNDO_HISTORY_H
#define DUELMARK_MODEL_UNDO_HISTORY_H

#include "model/bracket.h"


/* Opens a step: the bracket as it is now is what undo brings back. Nested
 * calls join the outermost step. typingSlot is the id of a base slot being
 * typed in (0 otherwise): its keystrokes join the newest step until
 * endUndoTyping or any other step. Does nothing while a step is replayed. */
void beginUndoStep(Bracket *bracket, UINT typingSlot);

/* Closes the step opened by the matching beginUndoStep and records what
 * changed in between, if anything. When memory runs out the history is
 * dropped; the change itself always stays. */
void endUndoStep(Bracket *bracket);

/* The slot being typed in lost the focus: its next keystroke starts a step. */
void endUndoTyping(Bracket *bracket);

/* The bracket was just saved: where the history stands now is clean. */
void markUndoSavePoint(Bracket *bracket);

/* The bracket matches no file at any step held (a new bracket). */
void forgetUndoSavePoint(Bracket *bracket);

/* Told, once the model holds a replayed step, of every slot it changed
 * (node NULL: the title; UNDO_THIRD_PLACE_SHOWN: the third-place match;
 * UNDO_FORMAT_SHOWN below), a losers' node included,
 * so that what shows it can follow. A slot whose result, outcome, court or
 * time changed is told too. */
typedef void (*UndoSlotShown)(Bracket *bracket, BracketNode *node, void *context);
#define UNDO_THIRD_PLACE_SHOWN ((BracketNode *)(INT_PTR)-1)
/* The format (double elimination, the grand final's reset) changed: the
 * losers' bracket may have come or gone. */
#define UNDO_FORMAT_SHOWN ((BracketNode *)(INT_PTR)-2)

/* Puts back the newest done step (undo) or the oldest undone one (redo),
 * names, picks and title, and sets the dirty flag: clean exactly at the
 * save point. Returns 1, or 0 when there was no such step. */
int undoStep(Bracket *bracket, UndoSlotShown shown, void *context);
int redoStep(Bracket *bracket, UndoSlotShown shown, void *context);

/* Nothing is known of what changed: the whole bracket may have (another
 * bracket put in place or the record emptied, or a step that memory could
 * not record). */
#define UNDO_ALL_SHOWN ((BracketNode *)(INT_PTR)-3)

/* From now on watcher is told, as shown is above, of every value a step
 * changed once the step is made (each keystroke of a typing step again)
 * and once it is undone or redone, and of what tellUndoWatchers names, so
 * that what is drawn from the whole bracket can follow. Registered once:
 * the record keeps its watchers from one bracket to the next. Returns 1,
 * or 0 when UNDO_WATCHER_LIMIT watch already. */
int watchUndoSteps(Bracket *bracket, UndoSlotShown watcher, void *context);

/* 1 while watcher with that context is told of changes to this record. */
int isWatchingUndoSteps(Bracket *bracket, UndoSlotShown watcher, void *context);

/* The watcher with that context is told nothing more. */
void unwatchUndoSteps(Bracket *bracket, UndoSlotShown watcher, void *context);

/* A change made outside any step, told to every watcher: node NULL the
 * title, UNDO_ALL_SHOWN a bracket put in place or the record emptied. */
void tellUndoWatchers(Bracket *bracket, BracketNode *node);

/* The steps that could be redone go: a change undone for good, as when the
 * user cancelled it, is no step to redo. */
void dropRedoSteps(Bracket *bracket);

/* Frees every step; the history is empty and its start is the save point.
 * The history alone, as destroyBracket frees each part of the record. */
void discardUndoHistory(UndoHistory *history);

#endif
