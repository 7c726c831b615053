# The two ways the editor reaches a Windows user, both built into dist/ of
# the build folder (scripts/package.sh copies them to dist/ at the root):
#   duelmark-<version>-win64.zip  the editor, its English satellite under
#                                 lang/en/, README.txt and LICENSE.txt
#   duelmark-<version>-win64.msi  a Windows Installer package (packaging/duelmark.wxs)
# Both take their files from one staging folder, so they ship the same bytes.
find_program(DUELMARK_WIXL wixl)
find_program(DUELMARK_MSIBUILD msibuild)
find_program(DUELMARK_ZIP_TOOL zip)
if(NOT TARGET duelmark OR NOT DUELMARK_WIXL OR NOT DUELMARK_MSIBUILD OR NOT DUELMARK_ZIP_TOOL)
  message(STATUS "Packages are not built: they need the editor, wixl, msibuild (msitools) and zip")
  return()
endif()

set(DUELMARK_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(DUELMARK_STAGE_DIR ${CMAKE_BINARY_DIR}/packaging/stage)
set(DUELMARK_ZIP ${DUELMARK_DIST_DIR}/duelmark-${DUELMARK_VERSION}-win64.zip)
set(DUELMARK_MSI ${DUELMARK_DIST_DIR}/duelmark-${DUELMARK_VERSION}-win64.msi)

# Texts for Windows get Windows line ends: Notepad before Windows 10 shows
# a file with bare line feeds as one long line.
configure_file(${PROJECT_SOURCE_DIR}/packaging/README.txt ${DUELMARK_STAGE_DIR}/README.txt
               @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${DUELMARK_STAGE_DIR}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)

set(DUELMARK_STAGED_EXE ${DUELMARK_STAGE_DIR}/duelmark.exe)
set(DUELMARK_STAGED_SATELLITE ${DUELMARK_STAGE_DIR}/lang/en/duelmark.exe.mui)
add_custom_command(OUTPUT ${DUELMARK_STAGED_EXE} ${DUELMARK_STAGED_SATELLITE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${DUELMARK_STAGE_DIR}/lang/en
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:duelmark> ${DUELMARK_STAGED_EXE}
  COMMAND ${CMAKE_COMMAND} -E copy ${DUELMARK_EN_SATELLITE} ${DUELMARK_STAGED_SATELLITE}
  DEPENDS duelmark duelmark_en $<TARGET_FILE:duelmark> ${DUELMARK_EN_SATELLITE}
  VERBATIM)

# No folder entries (-D) and no Unix extra fields (-X): the archive lists
# exactly the four files.
add_custom_command(OUTPUT ${DUELMARK_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${DUELMARK_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${DUELMARK_ZIP}
  COMMAND ${DUELMARK_ZIP_TOOL} -q -X -D ${DUELMARK_ZIP}
          duelmark.exe lang/en/duelmark.exe.mui README.txt LICENSE.txt
  WORKING_DIRECTORY ${DUELMARK_STAGE_DIR}
  DEPENDS ${DUELMARK_STAGED_EXE} ${DUELMARK_STAGED_SATELLITE}
          ${DUELMARK_STAGE_DIR}/README.txt ${DUELMARK_STAGE_DIR}/LICENSE.txt
  COMMENT "Packing ${DUELMARK_ZIP}"
  VERBATIM)

# An installer package of the staged files with the given product version.
function(duelmark_add_msi output version)
  add_custom_command(OUTPUT ${output}
    COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/make-msi.sh ${PROJECT_SOURCE_DIR}/packaging/duelmark.wxs ${version} ${output}
    WORKING_DIRECTORY ${DUELMARK_STAGE_DIR}
    DEPENDS ${DUELMARK_STAGED_EXE} ${DUELMARK_STAGED_SATELLITE} ${PROJECT_SOURCE_DIR}/packaging/duelmark.wxs
            ${DUELMARK_STAGE_DIR}/README.txt ${DUELMARK_STAGE_DIR}/LICENSE.txt
            ${PROJECT_SOURCE_DIR}/cmake/make-msi.sh
    COMMENT "Building ${output}"
    VERBATIM)
endfunction()
duelmark_add_msi(${DUELMARK_MSI} ${DUELMARK_VERSION})

add_custom_target(packages ALL DEPENDS ${DUELMARK_ZIP} ${DUELMARK_MSI})
