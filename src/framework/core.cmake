add_library(quill_framework_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AfxBeginThread.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CodePage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InternetSession.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HttpFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Trace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XmlReader.cpp
)
target_include_directories(quill_framework_core PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(quill_framework_core PUBLIC quill_framework_pure wininet shlwapi)
