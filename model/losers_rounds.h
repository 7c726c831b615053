/* The losers' bracket's shape: its nodes, made and freed with the bracket,
 * numbered after the tree's, and the rounds and feeders that follow from
 * the bracket's size (see losers_bracket.h for the rounds' rule). Nothing
 * here reads or changes a pick. */
#ifndef DUELMARK_MODEL_LOSERS_ROUNDS_H
#define DUELMARK_MODEL_LOSERS_ROUNDS_H

#include "model/bracket.h"

/* Whether the bracket is large enough (four slots or more). */
int losersAllowed(const Bracket *bracket);

/* Makes the losers' nodes when they are not there yet, so that the undo
 * step that turns the format on finds them before it starts. Returns 0 when
 * memory ran out or the bracket is too small. */
int prepareLosersBracket(Bracket *bracket);

/* N-2: the losers' matches, without the grand final. */
int losersMatchCount(const Bracket *bracket);

/* Match k (1 .. N: N-1 is the grand final, N its reset), or NULL when the
 * nodes are not made or k is out of range. */
BracketNode *losersMatch(Bracket *bracket, int k);
BracketNode *grandFinal(Bracket *bracket);
BracketNode *grandFinalReset(Bracket *bracket);

/* The node with id (1 .. 2N-1 in the tree, then the losers' nodes), or
 * NULL for an id out of range. */
BracketNode *bracketNodeOfId(Bracket *bracket, int id);

/* k of a losers' node, 0 for any other node (NULL included). */
int losersNumberOf(const Bracket *bracket, const BracketNode *node);

/* 2R-2 rounds; a round's match count; the round and the position (1 .. ) of
 * losers' match k (1 .. N-2). */
int losersRoundCount(const Bracket *bracket);
int losersRoundSize(const Bracket *bracket, int round);
void losersRoundOf(const Bracket *bracket, int k, int *round, int *position);

/* The winners' round (1 .. R) and position of a winners' pick, 0 for a
 * base slot. */
void winnersRoundOf(const Bracket *bracket, const BracketNode *node, int *round, int *position);

/* Where an entrant of a losers' match comes from: the loser of a winners'
 * match, or the winner of the winners' final or of a losers' match. */
struct LosersFeeder {
    BracketNode *match;
    int loser;
    int number;   /* k of match when it is a losers' match, else 0 */
};

/* The two feeders of match k (1 .. N), upper first. */
void losersFeeders(Bracket *bracket, int k, LosersFeeder feeders[2]);

/* Frees the nodes (destroyBracket, once their controls are gone): the
 * losers' part alone, as freeEntrantList frees the entrants'. */
void freeLosersBracket(LosersBracket *losers);

#endif
