/* An opened file takes the place of the open bracket: the staged tree
 * the reader built is moved into the record the window holds. */
#ifndef DUELMARK_MODEL_ADOPT_BRACKET_H
#define DUELMARK_MODEL_ADOPT_BRACKET_H

#include "model/bracket.h"

/* Replaces the tree of bracket (its controls destroyed) with staged's and
 * empties staged. The bracket is clean and has no controls yet. */
void adoptStagedBracket(Bracket *bracket, Bracket *staged);

#endif
