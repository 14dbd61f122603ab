# The -posix compilers: std::thread and std::mutex need the posix thread model.
set(CMAKE_C_COMPILER ${QUILL_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILL_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILL_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUILL_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Programs need only system DLLs: no libstdc++/libgcc/winpthread beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
