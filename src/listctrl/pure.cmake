# Win32-free part of the sortable list, built natively and for Windows.
add_library(quill_listctrl_pure STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ColumnState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HeadingSpec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowComparison.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SortArrow.cpp)
target_include_directories(quill_listctrl_pure PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(quill_listctrl_pure PUBLIC quill_framework_pure)
