// What the screen shows, read back as pixels: for tests that run on a real
// display (support/on_display.h).
#ifndef DUELMARK_TESTS_SUPPORT_SCREEN_PIXELS_H
#define DUELMARK_TESTS_SUPPORT_SCREEN_PIXELS_H

#include <windows.h>

#include <vector>

// rect of window (its client coordinates; window NULL: the whole screen's)
// as shown, whichever process drew it: one 0x00RRGGBB per pixel, rows top
// down.
std::vector<DWORD> screenPixels(HWND window, const RECT &rect);

#endif
