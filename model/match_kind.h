/* Which part of the event a match belongs to. Every match is a BracketNode;
 * its kind says where its entrants come from and what rules it follows. */
#ifndef DUELMARK_MODEL_MATCH_KIND_H
#define DUELMARK_MODEL_MATCH_KIND_H

#include "model/bracket.h"

enum MatchKind {
    MATCH_NONE,        /* a base slot: an entrant, not a match */
    MATCH_WINNERS,     /* a node of the tree with two feeders */
    MATCH_THIRD_PLACE, /* the semi-finals' losers */
    MATCH_LOSERS,      /* a losers' bracket match */
    MATCH_GRAND_FINAL,
    MATCH_RESET,       /* the grand final played again */
    MATCH_GROUP        /* a round-robin match of a group (model/group_stage.h) */
};

/* The kind of node, which belongs to bracket (the tree, its third-place
 * match or its losers' nodes). */
MatchKind matchKindOf(const Bracket *bracket, const BracketNode *node);

#endif
