# The published page read by independent parsers: a small Windows program
# writes sample pages through the page writer, python parses them; see page/.
add_executable(page_samples ${CMAKE_CURRENT_SOURCE_DIR}/page/page_samples.cpp $<TARGET_OBJECTS:duelmark_resources>)
target_compile_options(page_samples PRIVATE -Wall -Wextra -Werror -municode)
target_link_libraries(page_samples PRIVATE duelmark_core)
target_link_options(page_samples PRIVATE -static -municode)
add_test(NAME PublishedPage.NamesAreTextAndThePictureIsWellFormed
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/page/run_page_checks.sh ${CMAKE_BINARY_DIR}/wine-run.sh
                 $<TARGET_FILE:page_samples> ${CMAKE_CURRENT_BINARY_DIR}/page-files)
set_tests_properties(PublishedPage.NamesAreTextAndThePictureIsWellFormed PROPERTIES TIMEOUT 300)
# In a real browser where one is installed (Debian's chromium); skipped
# elsewhere.
add_test(NAME PublishedPage.ShowsInABrowserLoadingNothing
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/page/run_page_browser.sh ${CMAKE_BINARY_DIR}/wine-run.sh
                 $<TARGET_FILE:page_samples> ${CMAKE_CURRENT_BINARY_DIR}/page-browser)
set_tests_properties(PublishedPage.ShowsInABrowserLoadingNothing PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
