# The PNG and JPEG codecs (libpng, libjpeg) for the programs that read and
# write image files: Debian's development packages on Linux. The mingw build
# has no libpng or libjpeg yet, so there the target does not exist and the
# programs leave PNG and JPEG out.
if(NOT WIN32)
    find_package(PNG REQUIRED)
    find_package(JPEG REQUIRED)
    add_library(torvo_image_codecs INTERFACE)
    target_link_libraries(torvo_image_codecs INTERFACE PNG::PNG JPEG::JPEG)
endif()
