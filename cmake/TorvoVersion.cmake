# One generated header holds the suite's version, taken from project() and the
# build identifier, for every program and plug-in that states it:
#   #include "torvo/TorvoVersion.h"   (target torvo_version)
configure_file(${CMAKE_CURRENT_LIST_DIR}/TorvoVersion.h.in
    ${PROJECT_BINARY_DIR}/generated/torvo/TorvoVersion.h @ONLY)
add_library(torvo_version INTERFACE)
target_include_directories(torvo_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
