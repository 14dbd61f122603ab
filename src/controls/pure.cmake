# Win32-free part of the control kit, built natively and for Windows.
add_library(quill_controls_pure STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ButtonLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ButtonLook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LinkTarget.cpp)
target_include_directories(quill_controls_pure PUBLIC ${PROJECT_SOURCE_DIR}/src)
