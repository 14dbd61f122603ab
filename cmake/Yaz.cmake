# YAZ, the Z39.50 toolkit, as the target quill_yaz. The Windows builds link
# the static library scripts/build-yaz.sh makes for their target from
# Debian's source package; the host build links Debian's libyaz-dev.
add_library(quill_yaz INTERFACE)
if(WIN32)
  get_filename_component(quill_build_root ${CMAKE_BINARY_DIR} DIRECTORY)
  set(QUILL_YAZ_DIR ${quill_build_root}/yaz/${QUILL_TRIPLET} CACHE PATH "YAZ built for this target")
  if(NOT EXISTS ${QUILL_YAZ_DIR}/lib/libyaz.a)
    message(FATAL_ERROR "No YAZ in ${QUILL_YAZ_DIR}: run scripts/build-yaz.sh BUILD_DIR ${QUILL_TRIPLET}")
  endif()
  target_include_directories(quill_yaz SYSTEM INTERFACE ${QUILL_YAZ_DIR}/include)
  # Static: no dllimport in the headers. WIN32 as YAZ was built with it (GNU C
  # defines it, strict C++ does not): on i686 it makes ZOOM's calls stdcall.
  target_compile_definitions(quill_yaz INTERFACE YAZ_EXPORT= YAZ_IMPORT= WIN32)
  target_link_libraries(quill_yaz INTERFACE ${QUILL_YAZ_DIR}/lib/libyaz.a ws2_32)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(YAZ REQUIRED IMPORTED_TARGET yaz)
  target_link_libraries(quill_yaz INTERFACE PkgConfig::YAZ)
endif()
