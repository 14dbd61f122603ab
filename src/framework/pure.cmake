# The Win32-free part of the framework, built natively and for Windows.
add_library(quill_framework_pure STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Archive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProfileBinary.cpp
)
target_include_directories(quill_framework_pure PUBLIC ${PROJECT_SOURCE_DIR}/src)
