#include "model/heap.h"

static AllocationFailureHook failureHook;
static LONG liveBlocks;

void setAllocationFailureHook(AllocationFailureHook hook)
{
    failureHook = hook;
}

void *allocBlock(SIZE_T bytes)
{
    if (failureHook && failureHook())
        return NULL;
    void *block = HeapAlloc(GetProcessHeap(), 0, bytes);
    if (block)
        liveBlocks++;
    return block;
}

void freeBlock(void *block)
{
    if (block && HeapFree(GetProcessHeap(), 0, block))
        liveBlocks--;
}

LONG liveBlockCount(void)
{
    return liveBlocks;
}
