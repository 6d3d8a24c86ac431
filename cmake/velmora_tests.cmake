# GoogleTest from Debian's sources, built with this tree's compiler and flags.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# A native GoogleTest executable; one ctest entry each.
function(velmora_native_test target)
    add_executable(${target} ${ARGN})
    velmora_code(${target})
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT 300 LABELS native)
endfunction()

# A Windows GoogleTest executable, run under Wine in its own virtual display. Wine tests share one
# prefix and one wineserver, so they run one at a time.
function(velmora_wine_test target)
    add_executable(${target} ${ARGN})
    velmora_code(${target})
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
    add_test(NAME ${target} COMMAND ${PROJECT_SOURCE_DIR}/tools/wine/wine-run $<TARGET_FILE:${target}>)
    # A run counts only when GoogleTest said so: a test process ended from outside must not pass.
    set_tests_properties(${target} PROPERTIES TIMEOUT 600 LABELS wine RUN_SERIAL ON
        PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]" FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]"
        ENVIRONMENT "VELMORA_HEADLESS=1;VELMORA_BUILD=${PROJECT_BINARY_DIR};VELMORA_BUILD64=${VELMORA_BUILD64}")
endfunction()
