/* The bracket file: an XML document <Games> with <Title>, <Teams> and one
 * <Team Name="" id=""/> per slot (with Score="" when the match has a
 * result, and Status="walkover|retired|disqualified|double-walkover",
 * Court="" and Time="YYYY-MM-DDTHH:MM" where they are set, then Seed="n"
 * on a seeded base slot and Bye="1" on a bye), then
 * <ThirdPlace Name="" Score=""/> with the same three while that match is
 * on; in double elimination then <Losers Reset="1"> (Reset only while the
 * grand final's reset is on) holding one <Team Name="" id=""/> per losers'
 * match, <GrandFinal Name=""/> and, with the reset, <GrandFinalReset
 * Name=""/>, each with Score and the three details as a Team's. An event
 * played in groups first adds <Groups> after them (file/group_elements.h).
 * Read and written through the platform's XML DOM. */
#ifndef DUELMARK_FILE_BRACKET_FILE_H
#define DUELMARK_FILE_BRACKET_FILE_H

#include <windows.h>

#include "model/bracket.h"

/* Why a file was not opened, for the message that tells the user. */
enum OpenFault {
    OPEN_FAULT_NONE,          /* opened */
    OPEN_FAULT_NOT_FOUND,     /* no file or folder of that name */
    OPEN_FAULT_UNREADABLE,    /* the platform refused to read it; error holds its code */
    OPEN_FAULT_NOT_BRACKET,   /* read, but not a bracket file */
    OPEN_FAULT_TOO_LARGE,     /* larger than any bracket file can be: refused unread */
    OPEN_FAULT_NAME_TOO_LONG, /* the name does not fit; a cut name would be another file */
    OPEN_FAULT_GROUPS         /* the groups contradict themselves: groupFault says how, group and item where */
};

/* How a file's groups contradict themselves. */
enum GroupFault {
    GROUP_FAULT_NONE,
    GROUP_FAULT_FORMAT,        /* Advance or Rules unreadable, or more groups than letters */
    GROUP_FAULT_SIZE,          /* a group of fewer than 3 or more than 8, or than go through; item: its size */
    GROUP_FAULT_OTHER_GROUP,   /* an entrant stands in two groups, so its matches cross them; name: who */
    GROUP_FAULT_NUMBER,        /* a match's entrant number out of the group's range; item: the match */
    GROUP_FAULT_PAIRING_TWICE, /* two matches of the same pair; item: the second */
    GROUP_FAULT_TIED,          /* the lots' order names a number out of range or twice */
    GROUP_FAULT_KNOCKOUT       /* the knockout has not the slots the groups fill; item: the slots it needs */
};

struct OpenReport {
    int fault;    /* an OpenFault */
    DWORD error;  /* OPEN_FAULT_UNREADABLE: the platform's error code */
    int groupFault;                  /* OPEN_FAULT_GROUPS: a GroupFault */
    int group;                       /* the group at fault, 0-based (A = 0) */
    int item;                        /* the match (1-based in the group's file order) or count at fault */
    WCHAR name[NAME_CAPACITY];       /* GROUP_FAULT_OTHER_GROUP: the entrant */
};

/* Why a save wrote nothing, for the message that tells the user. */
enum SaveFault {
    SAVE_FAULT_NONE,        /* written */
    SAVE_FAULT_DECLINED,    /* nothing open, or the user said No: no message */
    SAVE_FAULT_TEXT,        /* a name or the title holds what the format cannot carry */
    SAVE_FAULT_UNREADABLE,  /* what was written would not read back; the old file stays */
    SAVE_FAULT_SYSTEM,      /* the platform refused; error holds its code */
    SAVE_FAULT_RESULT,      /* a match's result holds what the format cannot carry */
    SAVE_FAULT_COURT        /* a match's court holds what the format cannot carry */
};

struct SaveReport {
    int fault;    /* a SaveFault */
    DWORD error;  /* SAVE_FAULT_SYSTEM: the platform's error code */
    int slotId;   /* SAVE_FAULT_TEXT: the slot whose name is at fault, 0 for the title;
                   * SAVE_FAULT_RESULT, SAVE_FAULT_COURT: the match whose result or
                   * court, 0 the third-place match */
};

#endif
