/* Where dialogs, menu and strings come from: the satellite "<exe>.mui"
 * beside the executable when it loads; else the satellite in
 * lang\<language>\ for the first of the user's display languages that has
 * one (a Chinese one takes the executable's own texts); else lang\en when
 * present; else the executable itself. */
#ifndef DUELMARK_APP_RESOURCE_MODULE_H
#define DUELMARK_APP_RESOURCE_MODULE_H

#include <windows.h>

enum { SATELLITE_PATH_CAPACITY = 640 };

/* Never fails; the satellite is loaded at most once per process. */
HMODULE findResourceModule(void);

/* The language folder's satellite for a program at programPath, walking
 * languages (tags such as "en-GB", each zero-terminated, the list ended by
 * an empty one) as findResourceModule does. Returns 1 with its path in
 * satellite (SATELLITE_PATH_CAPACITY units), or 0 when the executable's own
 * texts are to be used. Only files count, not folders of that name. */
int findLanguageSatellite(const WCHAR *programPath, const WCHAR *languages, WCHAR *satellite);

#endif
