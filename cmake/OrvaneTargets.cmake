# Helpers shared by every library, test, fuzzer and benchmark of the tree.

# orvane_add_library(NAME [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# A shared library built from every source file in the calling folder (recursively).
function(orvane_add_library name)
  cmake_parse_arguments(ARG "" "" "PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(${name} SHARED ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  string(TOUPPER ${name} upper)
  target_compile_definitions(${name} PRIVATE ${upper}_LIBRARY)
  # Installed beside each other in a private folder, so the program finds them without a system path.
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET default INSTALL_RPATH "$ORIGIN")
  install(TARGETS ${name} LIBRARY DESTINATION ${ORVANE_INSTALL_LIBDIR})
endfunction()

# orvane_add_test(NAME LABELS unit|gui|lan|x11 [threads] SOURCES ... LIBS ... [PARAMETERS ...])
# One GoogleTest executable run by CTest. Every test runs with a private HOME and XDG folders
# (set up by the shared test main), on Qt's offscreen platform; "x11" tests on an X server (Xvfb)
# of their own instead. "lan" tests run inside the private network namespace of
# scripts/in-test-lan. In a TSan build only "threads" tests exist.
# With PARAMETERS, the tests of each value of a parameterised suite are an entry of their own,
# NAME.VALUE, with a time-out of their own.
function(orvane_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "LABELS;SOURCES;LIBS;PARAMETERS" ${ARGN})
  if("lan" IN_LIST ARG_LABELS)
    set(main orvane_test_main_lan)
  elseif("x11" IN_LIST ARG_LABELS)
    set(main orvane_test_main_x11)
  else()
    set(main orvane_test_main)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${main} orvane_test_support ${ARG_LIBS})
  # A TSan build only builds and runs the threading tests; the target still exists so that
  # callers may add properties to it.
  if(ORVANE_SANITIZE STREQUAL "thread" AND NOT "threads" IN_LIST ARG_LABELS)
    set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL ON)
    return()
  endif()
  if("lan" IN_LIST ARG_LABELS)
    set(command ${PROJECT_SOURCE_DIR}/scripts/in-test-lan $<TARGET_FILE:${name}>)
  else()
    set(command ${name})
  endif()
  set(entries)
  if(ARG_PARAMETERS)
    foreach(value ${ARG_PARAMETERS})
      add_test(NAME ${name}.${value} COMMAND ${command} --gtest_filter=*/${value})
      list(APPEND entries ${name}.${value})
    endforeach()
  else()
    add_test(NAME ${name} COMMAND ${command})
    set(entries ${name})
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set(env "QT_QPA_PLATFORM=offscreen" "QT_LOGGING_RULES=orvane.*.debug=false")
  if(ORVANE_SANITIZE STREQUAL "thread")
    # A test that sets up its own network runs the ip tool from a process whose threads already
    # run; the child only execs, so TSan's refusal of threads after such a fork does not apply.
    list(APPEND env "TSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/tsan.supp halt_on_error=1 second_deadlock_stack=1 die_after_fork=0")
  elseif(ORVANE_SANITIZE STREQUAL "address")
    list(APPEND env "ASAN_OPTIONS=detect_leaks=0" "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  endif()
  set_tests_properties(${entries} PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT ${ARG_TIMEOUT} ENVIRONMENT "${env}")
endfunction()

# orvane_add_fuzzer(NAME SOURCES ... LIBS ...): a libFuzzer target, run briefly by `make check`.
# Seed inputs are taken from tests/data/<NAME> when that folder exists.
function(orvane_add_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  add_dependencies(fuzzers ${name})
  set_property(GLOBAL APPEND PROPERTY ORVANE_FUZZERS ${name})
endfunction()

# orvane_add_benchmark(NAME SOURCES ... LIBS ...): a Google Benchmark program (never a test).
function(orvane_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/bench/support)
  target_link_libraries(${name} PRIVATE benchmark::benchmark ${ARG_LIBS})
endfunction()
