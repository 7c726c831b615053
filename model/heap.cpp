#include "model/heap.h"

static AllocationFailureHook failureHook;

void setAllocationFailureHook(AllocationFailureHook hook)
{
    failureHook = hook;
}

void *allocBlock(SIZE_T bytes)
{
    if (failureHook && failureHook())
        return NULL;
    return HeapAlloc(GetProcessHeap(), 0, bytes);
}

void freeBlock(void *block)
{
    if (block)
        HeapFree(GetProcessHeap(), 0, block);
}
