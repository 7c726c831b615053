/* The people who enter an event: each with a name and, when the organiser
 * knows them, a club (or nation), a rating and a seed. The list may hold
 * more entrants than the draw (reserves), in the order the organiser gave. */
#ifndef DUELMARK_MODEL_ENTRANT_LIST_H
#define DUELMARK_MODEL_ENTRANT_LIST_H

#include <windows.h>

#include "model/bracket_limits.h"
#include "model/entrant_name.h"

enum {
    CLUB_CAPACITY = 64,          /* 63 UTF-16 units and the terminator */
    MAX_ENTRANT_LIST_COUNT = 1024, /* the draw's field and its reserves */
    MAX_RATING = 99999999        /* ratings and their negatives up to eight digits */
};

struct Entrant {
    WCHAR name[NAME_CAPACITY];   /* never empty in a list */
    WCHAR club[CLUB_CAPACITY];   /* empty when the entrant stands for no club */
    int rated;                   /* 0 when the rating is empty */
    int rating;                  /* -MAX_RATING .. MAX_RATING when rated, else 0 */
    int seed;                    /* 1 .. MAX_TEAM_COUNT, or 0 when unseeded */
};

/* Entrants in list order on the process heap; an all-zero record is an
 * empty list. */
struct EntrantList {
    Entrant *items;
    int count;
    int capacity;
};

/* Whether two clubs are one: the same text ignoring case, ordinally; an
 * empty club is nobody's club-mate. Returns 1 or 0. */
int sameClub(const WCHAR *a, const WCHAR *b);

/* The place of the entrant called name, or -1 when none is. */
int findEntrant(const EntrantList *list, const WCHAR *name);

/* Appends a copy of entrant. Returns 1, or 0 with the list unchanged when
 * the name is empty or already listed, the list is full or memory ran out. */
int addEntrant(EntrantList *list, const Entrant *entrant);

/* Takes the entrant at index out, keeping the others' order. Returns 1, or
 * 0 when index is outside the list. */
int removeEntrant(EntrantList *list, int index);

/* Frees the list's entrants and leaves it empty. */
void freeEntrantList(EntrantList *list);

/* Copies at most capacity - 1 units of text into buffer, cutting before a
 * surrogate pair would be split, and terminates it. Returns 1 when all of
 * text fitted, 0 when it was cut. */
int copyFittingText(WCHAR *buffer, int capacity, const WCHAR *text, int length);

#endif
