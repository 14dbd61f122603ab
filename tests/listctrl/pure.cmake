# Tests of the Win32-free part of the sortable list.
quill_add_test(listctrl_pure_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/HeadingSpecTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RowComparisonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SortArrowTest.cpp
  LIBS quill_listctrl_pure)
