/* How much a bracket holds: the sizes every record and file agrees on. */
#ifndef DUELMARK_MODEL_BRACKET_LIMITS_H
#define DUELMARK_MODEL_BRACKET_LIMITS_H

enum {
    NAME_CAPACITY = 128,   /* 127 UTF-16 units and the terminator */
    TITLE_CAPACITY = 256,  /* 255 UTF-16 units and the terminator */
    MAX_TEAM_COUNT = 256,  /* larger brackets are refused, from files too */
    RESULT_CAPACITY = 32   /* a match's result: 31 UTF-16 units and the terminator */
};

#endif
