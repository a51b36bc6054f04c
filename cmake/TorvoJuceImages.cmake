# JUCE's image formats (juce_graphics: PNG and JPEG) for the programs that
# read and write image files. Only juce_graphics itself is compiled here; it
# links the suite's juce_core and juce_events. Debian's juce_core turns
# JUCE's bundled codecs off, so the system libpng, libjpeg and zlib are
# linked. The mingw build has no libpng or libjpeg yet, so there the target
# does not exist and programs leave PNG and JPEG out.
if(NOT WIN32)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(TORVO_FREETYPE REQUIRED IMPORTED_TARGET freetype2)
    get_target_property(TORVO_JUCE_GRAPHICS_SOURCES juce::juce_graphics INTERFACE_SOURCES)
    add_library(torvo_juce_images STATIC ${TORVO_JUCE_GRAPHICS_SOURCES})
    target_compile_definitions(torvo_juce_images PUBLIC JUCE_MODULE_AVAILABLE_juce_graphics=1)
    target_link_libraries(torvo_juce_images PUBLIC torvo_juce_core PkgConfig::TORVO_FREETYPE png16 jpeg z)
    set_target_properties(torvo_juce_images PROPERTIES POSITION_INDEPENDENT_CODE ON)
endif()
