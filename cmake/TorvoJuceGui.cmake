# JUCE's GUI modules (juce_data_structures, juce_graphics, juce_gui_basics),
# compiled once into torvo_juce_gui over torvo_juce_core, which already holds
# juce_core and juce_events. Debian's JUCE forces its bundled zlib, libpng and
# libjpeg off, so the image formats link the system's libraries on Linux and
# the ones built from Debian's source packages on Windows.
if(WIN32)
    include(TorvoMingwLibraries)
else()
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(TORVO_GUI_LIBS REQUIRED IMPORTED_TARGET freetype2 libpng libjpeg zlib)
    # JUCE loads libX11 and its extensions itself at run time; only their
    # headers are needed here.
    find_package(X11 REQUIRED)
    foreach(extension Xrandr Xinerama Xcursor Xext Xrender)
        if(NOT X11_${extension}_FOUND)
            message(FATAL_ERROR "The X11 ${extension} headers are missing: run scripts/install-deps")
        endif()
    endforeach()
endif()

set(TORVO_JUCE_GUI_MODULES juce_data_structures juce_graphics juce_gui_basics)

add_library(torvo_juce_gui STATIC)
foreach(module IN LISTS TORVO_JUCE_GUI_MODULES)
    get_target_property(module_path juce::${module} INTERFACE_JUCE_MODULE_PATH)
    target_sources(torvo_juce_gui PRIVATE ${module_path}/${module}/${module}.cpp)
    target_compile_definitions(torvo_juce_gui PUBLIC JUCE_MODULE_AVAILABLE_${module}=1)
endforeach()
torvo_link_frameworks(torvo_juce_gui PUBLIC torvo_juce_core)
set_target_properties(torvo_juce_gui PROPERTIES POSITION_INDEPENDENT_CODE ON)

if(WIN32)
    # juce_gui_basics outgrows the COFF section limit; DirectWrite is off
    # under mingw in any case.
    target_compile_options(torvo_juce_gui PRIVATE -Wa,-mbig-obj)
    target_compile_definitions(torvo_juce_gui PUBLIC JUCE_USE_DIRECTWRITE=0)
    target_link_libraries(torvo_juce_gui PUBLIC torvo_mingw_png torvo_mingw_jpeg
        ws2_32 wininet version ole32 oleaut32 imm32 comdlg32 shlwapi winmm uuid dxgi)
else()
    target_include_directories(torvo_juce_gui SYSTEM PRIVATE ${X11_INCLUDE_DIR})
    target_link_libraries(torvo_juce_gui PUBLIC PkgConfig::TORVO_GUI_LIBS)
endif()

# Gives <target> JUCE's GUI modules. With WINDOWED, a Windows program is
# linked for the GUI subsystem and opens no console; without it, it keeps its
# console (a program that only sometimes shows a window, or a test).
#   torvo_link_gui(<target> [WINDOWED])
function(torvo_link_gui target)
    cmake_parse_arguments(ARG "WINDOWED" "" "" ${ARGN})
    target_link_libraries(${target} PRIVATE torvo_juce_gui)
    if(WIN32 AND ARG_WINDOWED)
        target_link_options(${target} PRIVATE -mwindows)
    endif()
endfunction()
