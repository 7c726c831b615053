/* The open document: a perfect binary tree of slots. Base slots (the
 * first-round teams) are the leaves, the root is the champion's slot, and
 * every slot between holds the pick of the match between its two children. */
#ifndef DUELMARK_MODEL_BRACKET_H
#define DUELMARK_MODEL_BRACKET_H

#include <windows.h>

#include "model/bracket_limits.h"
#include "model/entrant_list.h"
#include "model/match_details.h"
#include "model/undo_record.h"


struct BracketNode {
    BracketNode *parent;
    BracketNode *left;
    BracketNode *right;
    UINT id;               /* 1 .. 2N-1: base slots first, the root last */
    HWND control;          /* the slot's edit or combobox, or NULL */
    WCHAR name[NAME_CAPACITY];
    /* Base slots of a seeded field only; both 0 elsewhere. */
    int seed;              /* 1 .. MAX_TEAM_COUNT, or 0 when unseeded */
    int bye;               /* the slot stands for no entrant: its name stays empty */
    WCHAR result[RESULT_CAPACITY]; /* how the match ended; empty without a pick, always on base slots */
    MatchDetails details;  /* outcome, court and time of the match; played and empty on base slots */
};

/* The losers' bracket and grand final of a double-elimination bracket
 * (model/losers_bracket.h): matches 1 .. N-2 of the losers' bracket round by
 * round, top to bottom, then the grand final (N-1) and its reset (N). Each
 * is a node with no parent or children; its id is 2N-1 plus its number.
 * The nodes are made the first time the format is turned on and live as
 * long as the tree, so undo can bring them back. */
struct LosersBracket {
    int on;                /* double elimination */
    int reset;             /* the grand final is played again when the losers' champion wins it */
    BracketNode *matches;  /* N nodes, match k at k - 1, or NULL before the format was first turned on */
    UINT *pairings;        /* N entries: each match's pairing as last noted */
};

/* The groups played before the knockout (model/group_stage.h): off, with
 * no groups, in every new or emptied record. The groups are made with the
 * tree and live as long as it, on the process heap. */
struct StageGroup;

struct GroupStage {
    int on;
    int rules;             /* a GroupRules (model/group_standings.h) */
    int advancing;         /* 1 .. 4 of each group go through */
    int groupCount;        /* 0 .. MAX_GROUP_COUNT */
    StageGroup *groups;    /* groupCount records, or NULL */
};

struct Bracket {
    int dirty;
    int slotCount;         /* N, a power of two; 0 when no bracket is open */
    int depth;             /* D = log2 N */
    BracketNode root;      /* lives inside the record, never freed alone */
    BracketNode **nodeTable; /* 2N-1 entries; entry id-1 is the node with that id */
    WCHAR title[TITLE_CAPACITY];
    HMODULE resourceModule;
    UndoHistory history;   /* steps of the open tree; emptied with it */
    UndoWatcher watchers[UNDO_WATCHER_LIMIT]; /* kept from tree to tree; none in a new record */
    /* Told of each match whose pick a rule, not the user, has just set:
     * the window shows it. Kept from tree to tree; none in a new record. */
    void (*pickRuled)(BracketNode *match);
    /* The match for third place between the two losing semi-finalists: a
     * match like the others, outside the tree, with no parent, children or
     * id. Off, and empty, in every new or emptied record. */
    int thirdPlaceOn;
    BracketNode thirdPlace;
    UINT thirdPlacePairing; /* its pairing as last noted (model/change_cascade.h) */
    LosersBracket losers;  /* off, reset on, no nodes in every new or emptied record */
    GroupStage groups;     /* off, no groups in every new or emptied record */
    EntrantList entrants;  /* the people behind the names, reserves too; empty in every new or emptied record */
};

/* Puts a fresh record into the empty state, with nobody watching it; keeps
 * module when it is NULL. Returns the record. */
Bracket *initBracket(Bracket *bracket, HMODULE module);

/* Builds and numbers the tree for teamCount teams (rounded up to a power of
 * two; 1 or less gives the lone champion's slot) in an empty record.
 * Returns 1, or 0 with the record empty again when the count is above
 * MAX_TEAM_COUNT or memory ran out part-way. */
int buildBracket(Bracket *bracket, int teamCount);

/* Gives node levelsBelow levels of children. Returns 0 when an allocation
 * failed; the nodes made so far stay linked so the caller can free them. */
int buildSubtree(BracketNode *node, int levelsBelow);

/* The node k steps down the left edge (stops early at a base slot). */
BracketNode *leftmostAtLevel(Bracket *bracket, int k);

/* The right-hand neighbour on the same level, or NULL at the right end. */
BracketNode *nextInLevel(BracketNode *node);

/* The id of level k's leftmost slot; the level's other slots have the ids
 * that follow, left to right, up to 2^k of them. */
UINT firstIdAtLevel(const Bracket *bracket, int k);

/* Destroys every slot control and frees every node, the node table and
 * the undo history.
 * Leaves the record's fields as they were: follow it with resetBracket. */
void destroyBracket(Bracket *bracket);

/* Empties the open bracket (controls destroyed, nodes freed, title, names,
 * counts and dirty cleared); resourceModule stays. New, Open and Close use it. */
void resetBracket(Bracket *bracket);

/* destroyBracket, then frees the record itself. */
void freeBracket(Bracket *bracket);

#endif
