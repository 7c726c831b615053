// Cases that only mean something on a real display (pixels, the screen's
// work area, injected keys) run through display/run_on_display.sh, which
// names the screen size in DUELMARK_ON_DISPLAY; elsewhere they skip.
#ifndef DUELMARK_TESTS_SUPPORT_ON_DISPLAY_H
#define DUELMARK_TESTS_SUPPORT_ON_DISPLAY_H

#include <gtest/gtest.h>
#include <windows.h>

#define SKIP_UNLESS_ON_DISPLAY()                                                         \
    do {                                                                                 \
        if (!GetEnvironmentVariableW(L"DUELMARK_ON_DISPLAY", NULL, 0))                   \
            GTEST_SKIP() << "needs a real display: runs through run_on_display.sh";     \
    } while (0)

#endif
