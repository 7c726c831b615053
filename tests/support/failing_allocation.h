// Makes the editor's own allocations fail on purpose, for as long as one of
// these lives, to prove that no caller keeps a half-built structure.
#ifndef DUELMARK_TESTS_SUPPORT_FAILING_ALLOCATION_H
#define DUELMARK_TESTS_SUPPORT_FAILING_ALLOCATION_H

// Lets the first `allowed` allocations through and fails every one after;
// the default fails them all. Allocations succeed again once it is gone.
struct FailingAllocations {
    explicit FailingAllocations(int allowed = 0);
    ~FailingAllocations();
    FailingAllocations(const FailingAllocations &) = delete;
    FailingAllocations &operator=(const FailingAllocations &) = delete;
};

#endif
