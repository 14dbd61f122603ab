# Tests of the Win32-free part of the console lookup.
quill_add_test(console_pure_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/BatchFormatsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/BatchRunnerTest.cpp
  LIBS quill_console_pure)
