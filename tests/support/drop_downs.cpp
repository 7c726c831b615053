#include "support/drop_downs.h"

std::vector<HWND> dropDownsOf(HWND window, int id)
{
    std::vector<HWND> found;
    for (HWND c = FindWindowExW(window, NULL, L"ComboBox", NULL); c; c = FindWindowExW(window, c, L"ComboBox", NULL)) {
        if (GetDlgCtrlID(c) == id)
            found.push_back(c);
    }
    return found;
}

bool chooseOfTwo(HWND window, HWND combo, int index)
{
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    if (SendMessageW(combo, CB_GETCOUNT, 0, 0) != 2)
        return false;
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), (LPARAM)combo);
    return true;
}
