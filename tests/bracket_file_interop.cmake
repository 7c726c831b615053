# Interoperability of the bracket file with independent XML tools: a small
# Windows program writes and reads the files, python3 (xml.etree, minidom,
# and xmllint when installed) checks and makes them; see interop/.
add_executable(interop_samples ${CMAKE_CURRENT_SOURCE_DIR}/interop/interop_samples.cpp
               $<TARGET_OBJECTS:duelmark_resources>)
target_compile_options(interop_samples PRIVATE -Wall -Wextra -Werror -municode)
target_link_libraries(interop_samples PRIVATE duelmark_core)
target_link_options(interop_samples PRIVATE -static -municode)
add_test(NAME BracketFileInterop.IndependentParsersAgreeBothWays
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/interop/run_interop.sh ${CMAKE_BINARY_DIR}/wine-run.sh
                 $<TARGET_FILE:interop_samples> ${CMAKE_CURRENT_BINARY_DIR}/interop-files)
set_tests_properties(BracketFileInterop.IndependentParsersAgreeBothWays PROPERTIES TIMEOUT 120)
