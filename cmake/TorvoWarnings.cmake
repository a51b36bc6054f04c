# Warning flags for the suite's own targets; JUCE and third-party sources are
# compiled without them and their headers are included as system headers.
add_library(torvo_warnings INTERFACE)
target_compile_options(torvo_warnings INTERFACE -Wall -Wextra)
if(TORVO_WARNINGS_AS_ERRORS)
    target_compile_options(torvo_warnings INTERFACE -Werror)
endif()

if(WIN32)
    # Windows programs are linked statically so that they run without the
    # compiler's runtime DLLs beside them (also under Wine).
    add_link_options(-static -static-libgcc -static-libstdc++)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00)
endif()

# Gives a target the suite's warnings.
function(torvo_target_warnings target)
    target_link_libraries(${target} PRIVATE torvo_warnings)
endfunction()
