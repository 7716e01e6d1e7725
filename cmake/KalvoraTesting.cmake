# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# kalvora_add_test(<name> SOURCES <files...> [LIBRARIES <targets...>] [TZ <zone>])
#
# Builds one Qt Test executable and registers it with CTest. Each run gets a fresh private
# environment (see run-test.sh): the offscreen platform, its own XDG config and runtime folders
# and temporary folder, the C locale, and a fixed time zone (UTC unless TZ names another); in a
# sanitizer build, the sanitizers' options (KALVORA_TEST_ENVIRONMENT).
function(kalvora_add_test name)
    cmake_parse_arguments(ARG "" "TZ" "SOURCES;LIBRARIES" ${ARGN})
    if(NOT ARG_TZ)
        set(ARG_TZ UTC)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test kalvora_warnings ${ARG_LIBRARIES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    add_test(NAME ${name}
        COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/run-test.sh ${ARG_TZ} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
    if(KALVORA_TEST_ENVIRONMENT)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${KALVORA_TEST_ENVIRONMENT}")
    endif()
endfunction()
