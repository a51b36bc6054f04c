# LZ4 block compression. Linux links Debian's liblz4; the Windows build
# compiles the block codec from the lz4 source that scripts/install-deps
# fetches from Debian, since Debian ships no mingw-w64 build of it.
if(WIN32)
    set(TORVO_LZ4_SOURCE_DIR "/var/cache/torvo-deps/lz4/lib" CACHE PATH "lz4's lib/ folder")
    if(NOT EXISTS ${TORVO_LZ4_SOURCE_DIR}/lz4.c)
        message(FATAL_ERROR "lz4 sources not found in ${TORVO_LZ4_SOURCE_DIR}: run scripts/install-deps")
    endif()
    add_library(torvo_lz4 STATIC ${TORVO_LZ4_SOURCE_DIR}/lz4.c)
    target_include_directories(torvo_lz4 SYSTEM PUBLIC ${TORVO_LZ4_SOURCE_DIR})
else()
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(LZ4 REQUIRED IMPORTED_TARGET liblz4)
    add_library(torvo_lz4 INTERFACE)
    target_link_libraries(torvo_lz4 INTERFACE PkgConfig::LZ4)
endif()
