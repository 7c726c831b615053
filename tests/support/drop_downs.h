// Choosing in the window's drop-downs as a user does, for sessions that
// drive the editor from outside its process.
#ifndef DUELMARK_TESTS_SUPPORT_DROP_DOWNS_H
#define DUELMARK_TESTS_SUPPORT_DROP_DOWNS_H

#include <windows.h>

#include <vector>

// window's drop-downs of control id, in the order they were made.
std::vector<HWND> dropDownsOf(HWND window, int id);

// Opens the list as a click would and takes entrant index (0 the upper,
// 1 the lower) of two; false when the list offers fewer than two.
bool chooseOfTwo(HWND window, HWND combo, int index);

#endif
