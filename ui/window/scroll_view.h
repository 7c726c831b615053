/* Lets the main window show a bracket larger than the work area: the window
 * is kept inside the work area and its client area scrolls, by scroll bars,
 * the mouse wheel and the keyboard focus. A bracket that fits is shown
 * exactly as before, without scroll bars. Slot positions are those of the
 * layout whenever the view stands at its origin; the scroll position lives
 * only in the window's own scroll bars. */
#ifndef DUELMARK_UI_WINDOW_SCROLL_VIEW_H
#define DUELMARK_UI_WINDOW_SCROLL_VIEW_H

#include <windows.h>

/* Scrolls every child back to its place at the origin and hides the scroll
 * bars. Called before a layout creates its controls and after Close. */
void resetScrollView(HWND window);

/* Sizes the window so its client area shows contentWidth x contentHeight
 * pixels, centred in the work area; in a direction where that does not fit,
 * the window takes the work area's extent there and the client area scrolls.
 * Expects the view at its origin (resetScrollView). */
void placeScrollView(HWND window, int contentWidth, int contentHeight);

/* placeScrollView for a window the system moved to another monitor: moved
 * is where it put the window; the work area is that of the monitor there,
 * and the window's corner stays at moved's where it fits. NULL moved is
 * placeScrollView. */
void placeScrollViewNear(HWND window, int contentWidth, int contentHeight, const RECT *moved);

/* How far the view is scrolled from its origin, across and down. */
void scrollViewOffset(HWND window, POINT *offset);

/* Scrolls the view to offset, each direction clamped to its range. */
void scrollViewTo(HWND window, POINT offset);

/* WM_VSCROLL (bar SB_VERT) and WM_HSCROLL (SB_HORZ): request is the scroll
 * bar's code from the message's low word. */
void scrollByBar(HWND window, int bar, WPARAM wParam);

/* WM_MOUSEWHEEL: vertical, or horizontal with Shift held. */
void scrollByWheel(HWND window, WPARAM wParam);

/* A slot control that got the keyboard focus is scrolled fully into view. */
void scrollIntoView(HWND window, HWND control);

#endif
