// Files of the build folder, named to test programs by their Unix paths.
#ifndef DUELMARK_TESTS_SUPPORT_BUILD_PATHS_H
#define DUELMARK_TESTS_SUPPORT_BUILD_PATHS_H

#include <string>

// The Windows path Wine gives a Unix path: its root is drive Z:.
std::wstring dosPathOf(const char *unixPath);

#endif
