# The PNG and JPEG codecs (libpng, libjpeg) for the programs that read and
# write image files: Debian's development packages on Linux, and on Windows
# the static libraries that TorvoMingwLibraries builds from Debian's source
# packages (included before this, for JUCE's image formats), with the mingw
# zlib that libpng needs.
if(WIN32)
    add_library(torvo_image_codecs INTERFACE)
    target_link_libraries(torvo_image_codecs INTERFACE torvo_mingw_png torvo_mingw_jpeg z)
else()
    find_package(PNG REQUIRED)
    find_package(JPEG REQUIRED)
    add_library(torvo_image_codecs INTERFACE)
    target_link_libraries(torvo_image_codecs INTERFACE PNG::PNG JPEG::JPEG)
endif()
