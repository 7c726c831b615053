/* The system's date-and-time picker as the dialogs use it for a match's
 * time: in the user's short date and time, whole minutes. */
#ifndef DUELMARK_UI_DIALOGS_TIME_PICKER_H
#define DUELMARK_UI_DIALOGS_TIME_PICKER_H

#include <windows.h>

/* Shows time ("YYYY-MM-DDTHH:MM"; empty or malformed: the next whole hour)
 * in picker, in the user's formats. Returns 1 when time was a time. */
int showPickerTime(HWND picker, const WCHAR *time);

/* The time picker shows, as "YYYY-MM-DDTHH:MM" (MATCH_TIME_CAPACITY
 * units); empty when it has none. */
void readPickerTime(HWND picker, WCHAR *time);

#endif
