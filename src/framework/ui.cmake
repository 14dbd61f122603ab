# Windows part of the framework: windows, dialogs, controls, GDI ownership.
add_library(quill_framework_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AfxMessageBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Brush.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClientDC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataExchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DCView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HeaderCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImageList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemDC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModuleState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PaintDC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegKey.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Resource.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Rgn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScopedSelect.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Shell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SysColorBitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SystemFacts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ToolTipCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WinApp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowCreationHook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Wnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WndView.cpp
)
target_include_directories(quill_framework_ui PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(quill_framework_ui PUBLIC quill_framework_core comctl32 gdi32 user32 ole32 oleaut32 uuid shell32 advapi32)
