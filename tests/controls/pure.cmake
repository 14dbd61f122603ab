# Tests of the Win32-free part of the control kit.
quill_add_test(controls_pure_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ButtonLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ButtonLookTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LinkTargetTest.cpp
  LIBS quill_controls_pure)
