/* The Groups page of an event with groups: each group as a cross table of
 * its results (a cell per match from the row entrant's side, each one a
 * button that opens Match result) and its standings beside it, kept up to
 * date through the model's one notification. The page and the knockout's
 * controls take turns below the tab strip (ui/window/stage_tabs). */
#ifndef DUELMARK_UI_GROUPS_GROUPS_PAGE_H
#define DUELMARK_UI_GROUPS_GROUPS_PAGE_H

#include "model/bracket.h"

/* From the window's creation to its end: another bracket builds the page
 * again (and chooses the Groups tab), any other change shows itself. */
void followGroupsPage(HWND window, Bracket *bracket);
void forgetGroupsPage(HWND window, Bracket *bracket);

/* Shows the page the tab strip has chosen, the other one hidden, and fits
 * the window to it. */
void showChosenStagePage(HWND window, Bracket *bracket);

/* The display scale changed: the page is laid out again at the new one. */
void followGroupsPageScale(HWND window, Bracket *bracket);

/* The group (0-based) and match of a cross table's cell. Returns 1, or 0
 * for any other control. */
int groupMatchOfCell(Bracket *bracket, HWND control, int *group, int *match);

#endif
