# Embeds files in a target as constant data, regenerated whenever one of them
# changes. The generated source defines, in the given namespace,
#   extern const std::pair<std::string_view, std::string_view> <symbol>[];
#   extern const std::size_t <symbol>Count;
# pairs of (file name without folder, file contents); the code that reads
# them declares the same two names.
#   torvo_embed_files(<target> NAMESPACE <namespace> SYMBOL <symbol> FILES <files...>)
set(TORVO_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/TorvoEmbedFiles.cmake)

function(torvo_embed_files target)
    cmake_parse_arguments(ARG "" "NAMESPACE;SYMBOL" "FILES" ${ARGN})
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${ARG_SYMBOL}.cpp)
    set(inputs)
    foreach(file IN LISTS ARG_FILES)
        get_filename_component(absolute ${file} ABSOLUTE)
        list(APPEND inputs ${absolute})
    endforeach()
    string(REPLACE ";" "|" input_list "${inputs}")
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DNAMESPACE=${ARG_NAMESPACE}
                -DSYMBOL=${ARG_SYMBOL} "-DINPUTS=${input_list}" -P ${TORVO_EMBED_SCRIPT}
        DEPENDS ${inputs} ${TORVO_EMBED_SCRIPT}
        COMMENT "Embedding ${ARG_SYMBOL}"
        VERBATIM)
    target_sources(${target} PRIVATE ${output})
endfunction()
