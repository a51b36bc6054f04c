# libFuzzer targets, built by the linux-fuzz preset. That preset compiles
# everything with -fsanitize=fuzzer-no-link and the sanitizers; only the fuzz
# executables link libFuzzer's own main. scripts/run-fuzzers reads the list
# written to fuzzers.txt in the build folder: one line per target with its
# name, its executable and its seed folder, separated by '|'.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TORVO_BUILD_FUZZERS needs clang (use the linux-fuzz preset)")
endif()

add_custom_target(torvo_fuzzers)

#   torvo_add_fuzzer(<name> SOURCES <files...> LIBRARIES <targets...> SEEDS <folder>)
function(torvo_add_fuzzer name)
    cmake_parse_arguments(ARG "" "SEEDS" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    torvo_target_warnings(${name})
    add_dependencies(torvo_fuzzers ${name})
    set_property(GLOBAL APPEND PROPERTY TORVO_FUZZERS "${name}|$<TARGET_FILE:${name}>|${ARG_SEEDS}")
endfunction()

# Writes the list of fuzz targets once every target has been added.
function(torvo_write_fuzzer_list)
    get_property(entries GLOBAL PROPERTY TORVO_FUZZERS)
    list(JOIN entries "\n" content)
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/fuzzers.txt CONTENT "${content}\n")
endfunction()
