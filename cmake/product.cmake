# The product's own code: built without the C runtime (no start-up code, no
# exceptions, no static constructors), warnings are errors.
set(DUELMARK_DEFINES UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX)
set(DUELMARK_FLAGS -Wall -Wextra -Werror -ffreestanding -fno-exceptions -fno-rtti
    -fno-threadsafe-statics -fno-stack-protector -fno-asynchronous-unwind-tables)
set(DUELMARK_SYSTEM_LIBS kernel32 user32 gdi32 comctl32 comdlg32 shell32 ole32 oleaut32 advapi32 uuid)

# Everything but the process entry goes into one static library, so test
# programs link exactly the pieces they exercise.
file(GLOB_RECURSE DUELMARK_CORE_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/model/*.cpp ${PROJECT_SOURCE_DIR}/file/*.cpp
     ${PROJECT_SOURCE_DIR}/ui/*.cpp ${PROJECT_SOURCE_DIR}/app/*.cpp)
list(FILTER DUELMARK_CORE_SOURCES EXCLUDE REGEX "/app/(start_program|runtime_support)\\.cpp$")

add_library(duelmark_core STATIC ${DUELMARK_CORE_SOURCES})
target_include_directories(duelmark_core PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_definitions(duelmark_core PUBLIC ${DUELMARK_DEFINES})
target_compile_options(duelmark_core PRIVATE ${DUELMARK_FLAGS})
target_link_libraries(duelmark_core PUBLIC ${DUELMARK_SYSTEM_LIBS})

# The page's and the picture's encoders write half a megabyte a page in
# small pieces, and the picture is laid out again after every change for
# the hall display and the live page: built for speed, where the
# size-optimised build takes half as long again (the program grows by
# some 7 KB).
set_source_files_properties(${PROJECT_SOURCE_DIR}/file/svg_picture.cpp ${PROJECT_SOURCE_DIR}/file/published_page.cpp
    ${PROJECT_SOURCE_DIR}/file/utf8_text.cpp ${PROJECT_SOURCE_DIR}/file/picture_description.cpp
    ${PROJECT_SOURCE_DIR}/ui/picture/picture_layout.cpp ${PROJECT_SOURCE_DIR}/ui/picture/picture_pieces.cpp
    ${PROJECT_SOURCE_DIR}/ui/picture/losers_picture.cpp ${PROJECT_SOURCE_DIR}/ui/picture/name_widths.cpp
    PROPERTIES COMPILE_OPTIONS -O2)
