#include "support/failing_allocation.h"

#include "model/heap.h"

namespace {

int allocationsLeft;

int failOnceNoneAreLeft(void)
{
    if (allocationsLeft == 0)
        return 1;
    allocationsLeft--;
    return 0;
}

} // namespace

FailingAllocations::FailingAllocations(int allowed)
{
    allocationsLeft = allowed;
    setAllocationFailureHook(failOnceNoneAreLeft);
}

FailingAllocations::~FailingAllocations()
{
    setAllocationFailureHook(NULL);
}
