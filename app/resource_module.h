/* Where dialogs, menu and strings come from: the satellite "<exe>.mui"
 * beside the executable when it loads, else the executable itself. */
#ifndef DUELMARK_APP_RESOURCE_MODULE_H
#define DUELMARK_APP_RESOURCE_MODULE_H

#include <windows.h>

/* Never fails; the satellite is loaded at most once per process. */
HMODULE findResourceModule(void);

#endif
