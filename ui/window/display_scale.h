/* The display scale the slots are laid out for. Every pixel value of the
 * layout is given at 96 DPI and multiplied out here, and the slots' font is
 * the GUI font made for the same scale, so text and boxes grow together. */
#ifndef DUELMARK_UI_WINDOW_DISPLAY_SCALE_H
#define DUELMARK_UI_WINDOW_DISPLAY_SCALE_H

#include <windows.h>

enum { BASE_DPI = 96 };

/* The DPI of the monitor the window stands on: what the window was last
 * told by WM_DPICHANGED, else the system's answer for the window, else the
 * screen's vertical DPI where the system has no per-window answer. */
int windowDpi(HWND window);

/* A layout value given at 96 DPI, at dpi. */
int scalePixels(int value, int dpi);

/* The window was told it now stands at dpi (WM_DPICHANGED's wParam). */
void rememberWindowDpi(HWND window, int dpi);

/* The GUI font for text drawn at dpi on the window's slots: the stock font
 * when dpi is the scale it was made for, else a font the window owns until
 * the next call or forgetDisplayScale. */
HFONT slotFontForDpi(HWND window, int dpi);

/* Frees what the window holds for its scale; called as it is destroyed. */
void forgetDisplayScale(HWND window);

#endif
