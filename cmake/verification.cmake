# SPDX-License-Identifier: GPL-3.0-or-later
# Builds for finding faults rather than for use: sanitizers and fuzzers.
# Each wants a build folder of its own (build-asan, build-fuzz).

option(TAVELO_SANITIZE
  "Build with AddressSanitizer and UndefinedBehaviorSanitizer, halting on the first report" OFF)
option(TAVELO_FUZZ "Build the libFuzzer targets of fuzz/ (clang only; implies TAVELO_SANITIZE)" OFF)

if(TAVELO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TAVELO_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
  endif()
  set(TAVELO_SANITIZE ON)
  # Every library is instrumented; only the fuzz targets link the fuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(TAVELO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# What the tests of such a build add to their environment. Leaks of the
# system's libraries, not ours, are left out of LeakSanitizer's report.
set(TAVELO_ENVIRONNEMENT_VERIFICATION "")
if(TAVELO_SANITIZE)
  set(TAVELO_ENVIRONNEMENT_VERIFICATION
    "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/fuites_systeme.supp")
endif()
