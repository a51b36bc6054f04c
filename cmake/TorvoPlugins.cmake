# Plug-ins and the host programs that load them.
#
# A process holds one copy of the frameworks: the host program's. The host
# links them whole and exports their symbols (ELF: the dynamic symbol table;
# Windows: every symbol, with an import library for the plug-ins), and a
# plug-in links only its own code, resolving the frameworks from the host
# when it is loaded. Two copies could not share a juce::String or the tav
# root library.
set(TORVO_HOST_FRAMEWORKS torvo_juce_core tavcore pixcore torvocore)

# Makes a program the host of plug-ins.
function(torvo_export_host_frameworks target)
    set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
    set(archives)
    foreach(framework IN LISTS TORVO_HOST_FRAMEWORKS)
        list(APPEND archives $<TARGET_FILE:${framework}>)
        add_dependencies(${target} ${framework})
    endforeach()
    target_link_options(${target} PRIVATE LINKER:--whole-archive ${archives} LINKER:--no-whole-archive)
    if(WIN32)
        # The compiler's runtime stays private: each plug-in links its own copy.
        target_link_options(${target} PRIVATE LINKER:--export-all-symbols
            LINKER:--exclude-libs,libgcc.a:libgcc_eh.a:libstdc++.a:libwinpthread.a:libpthread.a)
    endif()
endfunction()

# Adds a plug-in: a shared library in ${TORVO_PLUGIN_OUTPUT_DIRECTORY} made of
# its sources and the given static libraries of its own, compiled against
# the frameworks' headers and linked against the host Torvo. Only the
# symbols the version script (ELF) or dllexport (Windows) names are exported.
#   torvo_add_plugin(<name> SOURCES <files...> LIBRARIES <own static libraries...> VERSION_SCRIPT <file>)
function(torvo_add_plugin name)
    cmake_parse_arguments(ARG "" "VERSION_SCRIPT" "SOURCES;LIBRARIES" ${ARGN})
    add_library(${name} SHARED ${ARG_SOURCES})

    foreach(library IN LISTS ARG_LIBRARIES TORVO_HOST_FRAMEWORKS)
        target_include_directories(${name} PRIVATE $<TARGET_PROPERTY:${library},INTERFACE_INCLUDE_DIRECTORIES>)
        target_compile_definitions(${name} PRIVATE $<TARGET_PROPERTY:${library},INTERFACE_COMPILE_DEFINITIONS>)
    endforeach()

    foreach(library IN LISTS ARG_LIBRARIES)
        target_link_libraries(${name} PRIVATE $<TARGET_FILE:${library}>)
        add_dependencies(${name} ${library})
    endforeach()

    target_link_libraries(${name} PRIVATE Torvo)
    set_target_properties(${name} PROPERTIES
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
