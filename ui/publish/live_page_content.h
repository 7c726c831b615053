/* The live page's content from the open bracket: its title, its picture,
 * the order of play and, once the bracket has groups, their standings,
 * worded in the editor's language, written to a folder as index.html. */
#ifndef DUELMARK_UI_PUBLISH_LIVE_PAGE_CONTENT_H
#define DUELMARK_UI_PUBLISH_LIVE_PAGE_CONTENT_H

#include "model/bracket.h"

/* Returns 1 when the folder holds the page of the bracket as it is now; 0
 * with the folder's old page untouched and the reason as the thread's
 * last error. */
int writeLivePage(Bracket *bracket, const WCHAR *folder);

/* Gives back the memory writeLivePage keeps for the next page, once no
 * page is published any more. */
void releaseLivePageScratch(void);

#endif
