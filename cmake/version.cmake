# The one version number lives in the VERSION file at the root. Everything
# that shows a version takes it from here: the executable's version block
# (through the generated duelmark_version.h), the package names and the
# installer's product version. It is "major.minor" or "major.minor.patch";
# the version block's numeric form pads it with zeros to four parts.
file(STRINGS ${PROJECT_SOURCE_DIR}/VERSION DUELMARK_VERSION LIMIT_COUNT 1)
if(NOT DUELMARK_VERSION MATCHES "^([0-9]+)\\.([0-9]+)(\\.([0-9]+))?$")
  message(FATAL_ERROR "VERSION must hold major.minor or major.minor.patch, not '${DUELMARK_VERSION}'")
endif()
set(DUELMARK_VERSION_MAJOR ${CMAKE_MATCH_1})
set(DUELMARK_VERSION_MINOR ${CMAKE_MATCH_2})
set(DUELMARK_VERSION_PATCH 0)
if(CMAKE_MATCH_4)
  set(DUELMARK_VERSION_PATCH ${CMAKE_MATCH_4})
endif()
set(DUELMARK_VERSION_COMMAS "${DUELMARK_VERSION_MAJOR},${DUELMARK_VERSION_MINOR},${DUELMARK_VERSION_PATCH},0")
# Re-configure when the number changes.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/VERSION)
