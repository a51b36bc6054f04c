# Debian ships no mingw-w64 build of libpng or libjpeg, which JUCE's image
# formats need (Debian's JUCE leaves out its bundled copies). The Windows
# build compiles them from Debian's source packages, which scripts/install-deps
# fetches, into static libraries under the build tree. That happens while
# CMake configures, once per build tree: a recipe file beside each installed
# library records what it was built from, and a later configure with the same
# recipe reuses it, so a rebuild costs nothing.

set(TORVO_DEPS_SOURCE_DIR "/var/cache/torvo-deps" CACHE PATH
    "Folder holding the unpacked source packages of the Windows build")
set(TORVO_MINGW_PREFIX ${CMAKE_BINARY_DIR}/mingw-libraries)

# Runs one step (configure, build, install) of building library <name> in
# folder <work>, its output kept in a log there, and stops CMake when it fails.
function(torvo_mingw_library_step name step work)
    set(log ${work}/torvo-${step}.log)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${work}
        OUTPUT_FILE ${log} ERROR_FILE ${log} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "Building ${name} for Windows failed at its ${step} step; see ${log}")
    endif()
endfunction()

# Builds the CMake project in ${TORVO_DEPS_SOURCE_DIR}/<source> with the
# Windows toolchain and installs it into ${TORVO_MINGW_PREFIX}, unless the
# same recipe was installed there before.
#   torvo_build_mingw_library(<name> SOURCE <folder> [OPTIONS <-Dcache=value...>])
function(torvo_build_mingw_library name)
    cmake_parse_arguments(ARG "" "SOURCE" "OPTIONS" ${ARGN})
    set(source ${TORVO_DEPS_SOURCE_DIR}/${ARG_SOURCE})
    if(NOT EXISTS ${source}/CMakeLists.txt)
        message(FATAL_ERROR "${name} sources not found in ${source}: run scripts/install-deps")
    endif()

    # An absolute library folder: libjpeg-turbo resolves a relative one
    # against the folder it is configured from.
    set(configure_options
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX=${TORVO_MINGW_PREFIX}
        -DCMAKE_INSTALL_LIBDIR=${TORVO_MINGW_PREFIX}/lib
        ${ARG_OPTIONS})
    file(MD5 ${source}/CMakeLists.txt source_digest)
    set(recipe "${source_digest} ${configure_options}")
    set(recipe_file ${TORVO_MINGW_PREFIX}/recipes/${name})
    if(EXISTS ${recipe_file})
        file(READ ${recipe_file} installed_recipe)
        if(installed_recipe STREQUAL recipe)
            return()
        endif()
    endif()

    message(STATUS "Building ${name} for Windows from ${source} (once per build tree)")
    set(work ${CMAKE_BINARY_DIR}/mingw-libraries-build/${name})
    file(REMOVE_RECURSE ${work})
    file(MAKE_DIRECTORY ${work})
    string(TIMESTAMP started "%s")
    torvo_mingw_library_step(${name} configure ${work} ${CMAKE_COMMAND} -S ${source} -B ${work}
        -G ${CMAKE_GENERATOR} -DCMAKE_MAKE_PROGRAM=${CMAKE_MAKE_PROGRAM} ${configure_options})
    torvo_mingw_library_step(${name} build ${work} ${CMAKE_COMMAND} --build ${work})
    torvo_mingw_library_step(${name} install ${work} ${CMAKE_COMMAND} --install ${work})
    string(TIMESTAMP finished "%s")
    math(EXPR seconds "${finished} - ${started}")
    message(STATUS "Built ${name} for Windows in ${seconds} s")
    file(WRITE ${recipe_file} "${recipe}")
endfunction()

# Declares the imported static library <target> from the given archive in
# ${TORVO_MINGW_PREFIX}/lib, with the prefix's headers.
function(torvo_import_mingw_library target archive)
    if(NOT EXISTS ${TORVO_MINGW_PREFIX}/lib/${archive})
        message(FATAL_ERROR "${archive} is missing from ${TORVO_MINGW_PREFIX}/lib")
    endif()
    add_library(${target} STATIC IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES
        IMPORTED_LOCATION ${TORVO_MINGW_PREFIX}/lib/${archive}
        INTERFACE_INCLUDE_DIRECTORIES ${TORVO_MINGW_PREFIX}/include
        INTERFACE_LINK_LIBRARIES "${ARGN}")
endfunction()

#==============================================================================
# libpng builds against Debian's mingw zlib (libz-mingw-w64-dev), the one
# JUCE's core already links as plain "z".
find_path(TORVO_MINGW_ZLIB_INCLUDE_DIR zlib.h REQUIRED)
find_library(TORVO_MINGW_ZLIB_ARCHIVE libz.a REQUIRED)
torvo_build_mingw_library(libpng SOURCE libpng OPTIONS
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF
    -DZLIB_LIBRARY=${TORVO_MINGW_ZLIB_ARCHIVE} -DZLIB_INCLUDE_DIR=${TORVO_MINGW_ZLIB_INCLUDE_DIR})
torvo_import_mingw_library(torvo_mingw_png libpng16.a z)

# JUCE compiles its JPEG codec with JPEG_INTERNALS, so the internal header
# jpegint.h, which libjpeg-turbo does not install, is put beside jpeglib.h.
torvo_build_mingw_library(libjpeg SOURCE libjpeg-turbo OPTIONS
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF)
file(COPY ${TORVO_DEPS_SOURCE_DIR}/libjpeg-turbo/jpegint.h DESTINATION ${TORVO_MINGW_PREFIX}/include)

# JUCE includes jpeglib.h inside a namespace of its own and names
# jpeglibNamespace::boolean, which libjpeg's Windows configuration leaves out
# when rpcndr.h (through windows.h) has already declared ::boolean. C++ may
# repeat a typedef of the same type, so for C++ it is always declared.
set(jconfig ${TORVO_MINGW_PREFIX}/include/jconfig.h)
file(READ ${jconfig} jconfig_text)
set(cplusplus_boolean "#if !defined(__RPCNDR_H__) || defined(__cplusplus)")
if(NOT jconfig_text MATCHES "defined\\(__cplusplus\\)")
    string(REPLACE "#ifndef __RPCNDR_H__" "${cplusplus_boolean}" adjusted "${jconfig_text}")
    if(adjusted STREQUAL jconfig_text)
        message(FATAL_ERROR "${jconfig} no longer declares boolean as expected")
    endif()
    file(WRITE ${jconfig} "${adjusted}")
endif()
torvo_import_mingw_library(torvo_mingw_jpeg libjpeg.a)
