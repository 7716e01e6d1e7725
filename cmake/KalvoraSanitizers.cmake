# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Two builds that look for memory faults and undefined behaviour, each in a build folder of its
# own (they change every object file):
# - KALVORA_SANITIZE builds every program, test and benchmark with AddressSanitizer and
#   UndefinedBehaviorSanitizer, and runs the tests with both made fatal;
# - KALVORA_FUZZ (clang only) instruments the code for libFuzzer as well and adds the fuzz
#   targets of fuzz/.
option(KALVORA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(KALVORA_FUZZ "Build the libFuzzer targets of fuzz/ (needs clang)" OFF)

# The environment every test runs in; empty for the normal build.
set(KALVORA_TEST_ENVIRONMENT "")

if(KALVORA_SANITIZE OR KALVORA_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    # The instrumentation makes gcc warn of accesses out of bounds in Qt's inline code that
    # never happen (-Warray-bounds); the normal build is the one held to no warning at all.
    target_compile_options(kalvora_warnings INTERFACE -Wno-error)
    # A report stops the program at the first fault with its stack, so a test that meets one
    # fails instead of going on. The options reach the programs the tests start too
    # (kalvora-stamp, kalvora-convert); ExifTool's Perl is not instrumented and ignores them.
    set(KALVORA_TEST_ENVIRONMENT
        "ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_leaks=1:strict_init_order=1"
        "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0")
endif()

if(KALVORA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "KALVORA_FUZZ needs clang: configure with CXX=clang++")
    endif()
    # Every library is instrumented for the fuzzer's coverage; only the fuzz targets link its
    # driver. Undefined behaviour is a finding like a memory fault.
    add_compile_options(-fsanitize=fuzzer-no-link -fno-sanitize-recover=undefined)
endif()
