/* The tab strip of an event with groups: the Groups page and the Knockout
 * page (today's window) take turns below it. A bracket without groups has
 * no tab strip, and its window is laid out as it always was. */
#ifndef DUELMARK_UI_WINDOW_STAGE_TABS_H
#define DUELMARK_UI_WINDOW_STAGE_TABS_H

#include "model/bracket.h"

enum StagePage {
    STAGE_GROUPS,   /* the first tab */
    STAGE_KNOCKOUT
};

/* Makes the tab strip for a bracket with groups (the Groups tab chosen)
 * or removes it for one without, before the slots are placed: the
 * geometry leaves its band free only while it stands. Also called when
 * the display scale changes, to size it again. */
void placeStageTabs(HWND window, Bracket *bracket);

/* Gives the tab strip the slots' font and stretches it over width pixels
 * of content. */
void fitStageTabs(HWND window, HFONT font, int width);

/* Removes the tab strip (the window is emptied). */
void removeStageTabs(HWND window);

/* The page the tab strip has chosen: STAGE_KNOCKOUT without a tab strip. */
int chosenStagePage(HWND window);

/* Chooses page's tab, as a click on it would, without telling anyone. */
void chooseStageTab(HWND window, int page);

#endif
