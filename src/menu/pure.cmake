# Win32-free part of the owner-drawn menu, built natively and for Windows.
add_library(quill_menu_pure STATIC
  ${CMAKE_CURRENT_LIST_DIR}/GlyphColour.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuTemplate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MnemonicMatch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlatformLook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShortcutColumn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ToolBarTemplate.cpp)
target_include_directories(quill_menu_pure PUBLIC ${PROJECT_SOURCE_DIR}/src)
