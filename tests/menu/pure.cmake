# Tests of the Win32-free part of the owner-drawn menu.
quill_add_test(menu_pure_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MenuPureTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuTemplateTest.cpp
  LIBS quill_menu_pure)
