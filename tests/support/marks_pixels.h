// The window's marks alone, drawn on white as the window draws them: what a
// test reads to tell whether a mark has ink where it should and none where
// it must not.
#ifndef DUELMARK_TESTS_SUPPORT_MARKS_PIXELS_H
#define DUELMARK_TESTS_SUPPORT_MARKS_PIXELS_H

#include <windows.h>

#include <vector>

#include "model/bracket.h"

// One 0x00RRGGBB per pixel of window's client area, rows top down; client
// receives that area.
std::vector<DWORD> drawnWindowMarks(HWND window, Bracket *bracket, RECT *client);

#endif
