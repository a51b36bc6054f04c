# JUCE comes from Debian's juce-modules-source. Its modules are compiled once
# into static libraries that every program and plug-in links, instead of once
# per target.
find_package(JUCE CONFIG REQUIRED)

set(TORVO_JUCE_DEFINITIONS
    JUCE_STANDALONE_APPLICATION=1
    JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1
    JUCE_USE_CURL=0
    JUCE_WEB_BROWSER=0
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_MODAL_LOOPS_PERMITTED=1
    JUCE_STRICT_REFCOUNTEDPOINTER=1
    $<$<PLATFORM_ID:Windows>:_CONSOLE>
    # The leak detector counts in a function-local static of an inline
    # template; a plug-in keeps its own copy of those, so objects made on one
    # side of the host/plug-in boundary and freed on the other would be
    # reported. Leaks are found by the asan preset instead.
    $<$<CONFIG:Debug>:JUCE_CHECK_MEMORY_LEAKS=0>)

# Builds a static library named <name> from the given JUCE modules and passes
# their include directories (as system headers) and definitions on.
function(torvo_add_juce_library name)
    add_library(${name} STATIC)
    target_link_libraries(${name} PRIVATE ${ARGN})
    target_compile_definitions(${name} PUBLIC ${TORVO_JUCE_DEFINITIONS})
    target_compile_definitions(${name} INTERFACE
        $<TARGET_PROPERTY:${name},COMPILE_DEFINITIONS>)
    target_include_directories(${name} SYSTEM INTERFACE
        $<TARGET_PROPERTY:${name},INCLUDE_DIRECTORIES>)
    set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
endfunction()

torvo_add_juce_library(torvo_juce_core juce::juce_core juce::juce_events)
