# GoogleTest: Debian's package on Linux; for Windows it is built from the
# sources in /usr/src/googletest with the cross compiler.
if(WIN32)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    set(TORVO_GTEST_LIBRARIES gtest gmock)
else()
    find_package(GTest REQUIRED)
    set(TORVO_GTEST_LIBRARIES GTest::gtest GTest::gmock)
endif()

# Adds a GoogleTest executable that CTest runs as one test. Test executables
# land beside the programs in bin/, so tests can find those programs next to
# themselves. A GUI test runs in a virtual X server of its own (the Windows
# build under Wine there), in the folder test-artefacts/ of the build tree,
# where it leaves its screenshots; CTest reports it skipped where Xvfb is
# missing.
#   torvo_add_test(<name> [GUI] SOURCES <files...> LIBRARIES <targets...>)
function(torvo_add_test name)
    cmake_parse_arguments(ARG "GUI" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} ${TORVO_GTEST_LIBRARIES} torvo_test_main)
    torvo_target_warnings(${name})
    target_compile_options(${name} PRIVATE -include ${PROJECT_SOURCE_DIR}/tests/support/JuceTestPrinters.h)
    if(ARG_GUI)
        set(launcher ${PROJECT_SOURCE_DIR}/scripts/run-in-xvfb)
        if(WIN32)
            list(APPEND launcher --wine-session ${PROJECT_SOURCE_DIR}/scripts/wine-run)
        endif()
        set(artefacts ${CMAKE_BINARY_DIR}/test-artefacts)
        file(MAKE_DIRECTORY ${artefacts})
        add_test(NAME ${name} COMMAND ${launcher} $<TARGET_FILE:${name}> WORKING_DIRECTORY ${artefacts})
        set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
        torvo_gui_test_keeps_x11_loaded(${name})
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
endfunction()

# Lets a test program load the simulated D2XX driver by the driver's name, as
# it would find the real one: on Windows from the program's folder (bin/), on
# Linux through the program's run path. Under the address sanitizer, whose
# dlopen interceptor makes the loader search from the sanitizer's library
# instead of from the program, the run path is not consulted, so the test
# gets the simulator's folder in LD_LIBRARY_PATH as well.
#   torvo_test_loads_simulator(<test executable>)
function(torvo_test_loads_simulator name)
    add_dependencies(${name} ftd2xx)
    if(NOT WIN32)
        set_target_properties(${name} PROPERTIES BUILD_RPATH $<TARGET_FILE_DIR:ftd2xx>)
        if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=[^ ]*address")
            set_tests_properties(${name} PROPERTIES ENVIRONMENT "LD_LIBRARY_PATH=$<TARGET_FILE_DIR:ftd2xx>")
        endif()
    endif()
endfunction()

# libX11 and its extensions keep caches (locale, atoms, cursors) past
# XCloseDisplay. Once JUCE has unloaded them, nothing the leak checker sees
# points at those caches any longer and the address sanitizer reports them as
# leaks; linked into the GUI test, the libraries stay loaded and their caches
# reachable.
#   torvo_gui_test_keeps_x11_loaded(<test executable>)
function(torvo_gui_test_keeps_x11_loaded name)
    if(WIN32 OR NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize=[^ ]*address")
        return()
    endif()
    target_link_options(${name} PRIVATE "LINKER:--no-as-needed")
    target_link_libraries(${name} PRIVATE X11::X11 X11::Xext X11::Xcursor X11::Xinerama X11::Xrandr X11::Xrender)
endfunction()
