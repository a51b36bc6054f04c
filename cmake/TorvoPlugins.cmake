# Plug-ins and the host programs that load them.
#
# A process holds one copy of the frameworks, and a plug-in links only its
# own code. Two copies could not share a juce::String or the tav root
# library. On ELF the host program links the frameworks whole and exports
# them from its dynamic symbol table, and a plug-in resolves them from
# whichever program loads it. A Windows DLL imports each symbol from a module
# named at link time, so there the frameworks are a DLL of their own,
# TorvoFrameworks.dll beside the programs, which the host programs and every
# plug-in import from: one plug-in then runs in the host and in the launcher
# alike.
set(TORVO_HOST_FRAMEWORKS torvo_juce_core tavcore pixcore torvocore startdeck)

# What a plug-in compiles against: the frameworks' include folders and
# definitions, without their archives.
add_library(torvo_framework_usage INTERFACE)
foreach(framework IN LISTS TORVO_HOST_FRAMEWORKS)
    target_include_directories(torvo_framework_usage SYSTEM INTERFACE
        $<TARGET_PROPERTY:${framework},INTERFACE_SYSTEM_INCLUDE_DIRECTORIES>)
    target_include_directories(torvo_framework_usage INTERFACE
        $<TARGET_PROPERTY:${framework},INTERFACE_INCLUDE_DIRECTORIES>)
    target_compile_definitions(torvo_framework_usage INTERFACE
        $<TARGET_PROPERTY:${framework},INTERFACE_COMPILE_DEFINITIONS>)
endforeach()

if(WIN32)
    # The frameworks' DLL: their archives whole, every symbol exported, with
    # the compiler's runtime kept private (each module links its own copy).
    set(stub ${CMAKE_BINARY_DIR}/TorvoFrameworks.cpp)
    file(CONFIGURE OUTPUT ${stub} CONTENT "// The frameworks' archives make the whole of this DLL.\n")
    add_library(TorvoFrameworks SHARED ${stub})
    set(frameworks ${TORVO_HOST_FRAMEWORKS})
    list(REVERSE frameworks)
    foreach(framework IN LISTS frameworks)
        target_link_libraries(TorvoFrameworks PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${framework}>")
        set_property(TARGET TorvoFrameworks PROPERTY LINK_LIBRARY_OVERRIDE_${framework} WHOLE_ARCHIVE)
    endforeach()
    target_link_libraries(TorvoFrameworks INTERFACE torvo_framework_usage)
    target_link_options(TorvoFrameworks PRIVATE LINKER:--export-all-symbols
        LINKER:--exclude-libs,libgcc.a:libgcc_eh.a:libstdc++.a:libwinpthread.a:libpthread.a)
    set_target_properties(TorvoFrameworks PROPERTIES PREFIX "")
endif()

# Links target to the given frameworks, for a library that a plug-in or a
# host program shares with other programs and tests: whatever links it gets
# the frameworks' archives, except a plug-in, which gets only
# torvo_framework_usage since the program that loads it provides the
# frameworks' code, and a Windows host program, which gets the frameworks'
# DLL.
#   torvo_link_frameworks(<target> <PUBLIC|INTERFACE|PRIVATE> <frameworks...>)
function(torvo_link_frameworks target scope)
    foreach(framework IN LISTS ARGN)
        target_link_libraries(${target} ${scope}
            "$<IF:$<BOOL:$<TARGET_PROPERTY:TORVO_PLUGIN>>,torvo_framework_usage,$<IF:$<BOOL:$<TARGET_PROPERTY:TORVO_SHARED_FRAMEWORKS>>,TorvoFrameworks,${framework}>>")
    endforeach()
endfunction()

# Makes a program the host of plug-ins. Its own libraries link the
# frameworks through torvo_link_frameworks: on Windows a plain link would
# bring a second copy of them beside the DLL's.
function(torvo_export_host_frameworks target)
    if(WIN32)
        set_target_properties(${target} PROPERTIES TORVO_SHARED_FRAMEWORKS ON)
        target_link_libraries(${target} PRIVATE TorvoFrameworks)
        return()
    endif()
    set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
    # Dependents before their dependencies, so that the linker meets each
    # archive once: a second whole copy would define every symbol twice.
    set(frameworks ${TORVO_HOST_FRAMEWORKS})
    list(REVERSE frameworks)
    foreach(framework IN LISTS frameworks)
        target_link_libraries(${target} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${framework}>")
        # The host's own libraries and the frameworks themselves name these
        # archives plainly too; everywhere in the host's link they are whole.
        set_property(TARGET ${target} PROPERTY LINK_LIBRARY_OVERRIDE_${framework} WHOLE_ARCHIVE)
    endforeach()
endfunction()

# Adds a plug-in: a shared library in ${TORVO_PLUGIN_OUTPUT_DIRECTORY} made of
# its sources and the given static libraries of its own, compiled against
# the frameworks' headers and linked against the host Torvo (ELF) or the
# frameworks' DLL (Windows). The own libraries link the frameworks through
# torvo_link_frameworks, so that the plug-in holds no copy of them. Only the
# symbols the version script (ELF) or dllexport (Windows) names are exported.
#   torvo_add_plugin(<name> SOURCES <files...> LIBRARIES <own static libraries...> VERSION_SCRIPT <file>)
function(torvo_add_plugin name)
    cmake_parse_arguments(ARG "" "VERSION_SCRIPT" "SOURCES;LIBRARIES" ${ARGN})
    add_library(${name} SHARED ${ARG_SOURCES})
    if(WIN32)
        target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} TorvoFrameworks)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} torvo_framework_usage Torvo)
    endif()
    set_target_properties(${name} PROPERTIES
        TORVO_PLUGIN ON
        PREFIX ""
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        LIBRARY_OUTPUT_DIRECTORY ${TORVO_PLUGIN_OUTPUT_DIRECTORY}
        RUNTIME_OUTPUT_DIRECTORY ${TORVO_PLUGIN_OUTPUT_DIRECTORY})

    if(NOT WIN32)
        target_link_options(${name} PRIVATE LINKER:--version-script=${ARG_VERSION_SCRIPT})
        set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${ARG_VERSION_SCRIPT})
    endif()

    torvo_target_warnings(${name})
endfunction()
