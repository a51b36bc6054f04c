# Plug-ins and the host programs that load them.
#
# A process holds one copy of the frameworks: the host program's. The host
# links them whole and exports their symbols (ELF: the dynamic symbol table;
# Windows: every symbol, with an import library for the plug-ins), and a
# plug-in links only its own code, resolving the frameworks from the host
# when it is loaded. Two copies could not share a juce::String or the tav
# root library.
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

# Links target to the given frameworks, for a library that a plug-in shares
# with programs and tests: whatever links it gets the frameworks' archives,
# except a plug-in, which gets only torvo_framework_usage since the host
# provides the frameworks' code.
#   torvo_link_frameworks(<target> <PUBLIC|INTERFACE|PRIVATE> <frameworks...>)
function(torvo_link_frameworks target scope)
    foreach(framework IN LISTS ARGN)
        target_link_libraries(${target} ${scope}
            "$<IF:$<BOOL:$<TARGET_PROPERTY:TORVO_PLUGIN>>,torvo_framework_usage,${framework}>")
    endforeach()
endfunction()

# Makes a program the host of plug-ins.
function(torvo_export_host_frameworks target)
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
    if(WIN32)
        # The compiler's runtime stays private: each plug-in links its own copy.
        target_link_options(${target} PRIVATE LINKER:--export-all-symbols
            LINKER:--exclude-libs,libgcc.a:libgcc_eh.a:libstdc++.a:libwinpthread.a:libpthread.a)
    endif()
endfunction()

# Adds a plug-in: a shared library in ${TORVO_PLUGIN_OUTPUT_DIRECTORY} made of
# its sources and the given static libraries of its own, compiled against
# the frameworks' headers and linked against the host Torvo. The own
# libraries link the frameworks through torvo_link_frameworks, so that the
# plug-in holds no copy of them. Only the symbols the version script (ELF)
# or dllexport (Windows) names are exported. HOST names another host program
# to link against (default Torvo): on Windows a plug-in imports the
# frameworks from that program by its file name, so it loads only there.
#   torvo_add_plugin(<name> SOURCES <files...> LIBRARIES <own static libraries...> VERSION_SCRIPT <file> [HOST <program>])
function(torvo_add_plugin name)
    cmake_parse_arguments(ARG "" "VERSION_SCRIPT;HOST" "SOURCES;LIBRARIES" ${ARGN})
    if(NOT ARG_HOST)
        set(ARG_HOST Torvo)
    endif()
    add_library(${name} SHARED ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} torvo_framework_usage ${ARG_HOST})
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
