# quill_add_test(NAME SOURCES ... LIBS ... [SERVER [SERVER_ARGS "ARGS"]] [ZEBRA])
# One ctest entry per program, so each program starts once. Windows programs
# run under Wine through scripts/run-test.sh, which also starts a catalogue
# service on a free port when SERVER is given, with SERVER_ARGS added to its
# command line, and a Zebra SRU server over the test catalogue when ZEBRA is
# given (its port in QUILL_ZEBRA_PORT).
function(quill_add_test name)
  cmake_parse_arguments(T "SERVER;ZEBRA" "SERVER_ARGS" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(WIN32)
    target_link_options(${name} PRIVATE -mconsole)
    set(run_flags "")
    if(T_SERVER)
      set(run_flags --server)
      if(T_SERVER_ARGS)
        list(APPEND run_flags --server-args "${T_SERVER_ARGS}")
      endif()
    endif()
    if(T_ZEBRA)
      list(APPEND run_flags --zebra)
    endif()
    add_test(NAME ${name}
             COMMAND ${PROJECT_SOURCE_DIR}/scripts/run-test.sh ${run_flags} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "WINEPREFIX=${QUILL_WINEPREFIX};WINEDEBUG=-all;QUILL_SERVER_EXE=${QUILL_SERVER_EXE};QUILL_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data/catalogue"
      TIMEOUT 600)
  else()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  endif()
endfunction()
