/* The groups an event plays before its knockout, as the bracket holds
 * them: each group's entrants in group order and its round-robin matches
 * in table order (model/round_robin.h). A group match is a BracketNode like
 * any other match, without parent or children: its pick (name) is the
 * winner's name, and its result, outcome, court and time are the fields of
 * model/match_fields.h, so undo, the file and the tests walk them as they
 * walk every match. A draw leaves the pick empty and is noted beside it.
 * The knockout is the bracket's tree; its base slots take the entrants who
 * come through (model/group_knockout.h) once their group is decided. */
#ifndef DUELMARK_MODEL_GROUP_STAGE_H
#define DUELMARK_MODEL_GROUP_STAGE_H

#include "model/bracket.h"
#include "model/group_knockout.h"
#include "model/group_standings.h"

struct StageGroup {
    int count;                                    /* entrants, MIN_GROUP_SIZE .. MAX_GROUP_SIZE */
    WCHAR entrant[MAX_GROUP_SIZE][NAME_CAPACITY]; /* numbers 1 .. count are places 0 .. count-1 */
    int seed[MAX_GROUP_SIZE];                     /* 0 when unseeded */
    int matchCount;                               /* count (count - 1) / 2 */
    BracketNode match[MAX_GROUP_MATCHES];         /* table order, as roundRobinMatches gives */
    int drawn[MAX_GROUP_MATCHES];                 /* 1: the match was drawn (its pick stays empty) */
    WCHAR tied[MAX_GROUP_SIZE + 1];               /* the lots' order: entrant numbers as digits '1' .. '8' */
};

/* The group's letter: 'A' for 0. */
WCHAR groupLetter(int group);

/* Group 0 .. groupCount-1 of the bracket, or NULL when there is none. */
StageGroup *stageGroup(Bracket *bracket, int group);

/* Makes groupCount groups of the given sizes (entrants and matches empty,
 * matches numbered) in a bracket whose tree is built and which holds no
 * groups yet; the stage is on. Returns 1, or 0 with the stage off and
 * nothing held when the counts are out of range or memory ran out. */
int prepareGroupStage(Bracket *bracket, int groupCount, const int *sizes, int rules, int advancing);

/* Frees the groups (destroyBracket, once their matches' controls are
 * gone); the stage is off again. */
void freeGroupStage(GroupStage *stage);

/* Home and away entrant numbers (1 .. count) of match 0 .. matchCount-1.
 * Returns 1, or 0 for a match out of range. */
int groupMatchEntrants(const StageGroup *group, int match, int *home, int *away);

/* Home and away names of a match (L"" for a match out of range). */
void groupMatchNames(const StageGroup *group, int match, const WCHAR **home, const WCHAR **away);

/* Who won a match, as a GroupMatchWinner (a double walkover is
 * GROUP_UNDECIDED with its outcome saying so). */
int groupMatchWinner(const StageGroup *group, int match);

/* The side (GROUP_HOME_WON or GROUP_AWAY_WON) a winner's name stands for,
 * GROUP_UNDECIDED for L"", or -1 for a name that did not play the match. */
int groupWinnerOfName(const StageGroup *group, int match, const WCHAR *name);

/* Whether the match was decided: a winner, a draw or both withdrawn. */
int isGroupMatchDecided(const StageGroup *group, int match);

/* The group and match a node stands for. Returns 1, or 0 when node is no
 * group match of the stage (NULL included). */
int findGroupMatch(const GroupStage *stage, const BracketNode *node, int *group, int *match);

/* A group match's stable id: after the tree's (1 .. 2N-1) and the losers'
 * bracket's (2N .. 3N-1), group by group in table order. 0 when out of
 * range. The node's id is the same. */
UINT groupMatchId(Bracket *bracket, int group, int match);

/* The group match with that id, or NULL. */
BracketNode *groupMatchOfId(Bracket *bracket, UINT id);

/* All group matches of the stage. */
int groupMatchTotal(const GroupStage *stage);

/* A group match's result as setGroupMatchResult (model/group_results.h)
 * takes it under the stage's rules, without carrying it on into the
 * knockout: for a reader that fills the groups and settles the whole
 * bracket once it is read. Returns 1 (*changed, unless NULL, 1 when a value
 * changed), or 0 with nothing changed when the match cannot take it. */
int recordGroupMatchResult(StageGroup *group, int rules, int match, int winner, const WCHAR *result, int outcome,
                           int *changed);

/* The organiser's order of a level run as setGroupTiedOrder takes it,
 * without carrying it on. Returns 1 (*changed as above), or 0 with nothing
 * changed. */
int recordGroupTiedOrder(StageGroup *group, const int *order, int count, int *changed);

/* A group match as computeStandings reads it. */
void groupMatchRecord(const StageGroup *group, int match, GroupMatch *record);

/* The group's table under the event's rules and the organiser's order.
 * Returns 1, or 0 for a group out of range. */
int groupStandingsOf(Bracket *bracket, int group, GroupStandings *standings);

/* Whether the group is decided: every match decided and no level run the
 * organiser's order leaves open. */
int isGroupDecided(Bracket *bracket, int group);

/* The organiser's order for entrants the rules leave level (entrant
 * numbers, best first) into order (MAX_GROUP_SIZE room). Returns how many. */
int groupTiedOrder(const StageGroup *group, int *order);

/* Who stands in each knockout base slot (0-based, left to right): the
 * group (0-based, -1 for a bye) and place (1 .. advancing). The seats take
 * a search to place: a caller that walks the slots asks once. Returns 1,
 * or 0 without a group stage or when its seats are not the first round's. */
int groupKnockoutOf(Bracket *bracket, GroupKnockout *knockout);

/* The entrant in place 1 .. count of a decided group, or L"" while the
 * group is not decided. */
const WCHAR *groupPlaceName(Bracket *bracket, int group, int place);

#endif
