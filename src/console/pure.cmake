# Win32-free part of the console lookup: options, outcomes, output formats
# and the ordered batch, built natively and for Windows.
add_library(quill_console_pure STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ConsoleOptions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConsoleOutput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IsbnLineReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BatchFormats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BatchRunner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LookupOutcome.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressLine.cpp)
target_include_directories(quill_console_pure PUBLIC ${PROJECT_SOURCE_DIR}/src)
find_package(Threads REQUIRED)
target_link_libraries(quill_console_pure PUBLIC quill_lookup_pure Threads::Threads)
