/* Blocks from the process heap. Tests can make an allocation fail on
 * purpose to prove that no caller keeps a half-built structure. */
#ifndef DUELMARK_MODEL_HEAP_H
#define DUELMARK_MODEL_HEAP_H

#include <windows.h>

void *allocBlock(SIZE_T bytes);
void freeBlock(void *block);

/* Blocks handed out by allocBlock and not yet freed. A process-wide heap
 * walk also sees other threads' blocks; this count sees only ours. */
LONG liveBlockCount(void);

/* When set, called before each allocation; a non-zero answer fails it. */
typedef int (*AllocationFailureHook)(void);
void setAllocationFailureHook(AllocationFailureHook hook);

#endif
