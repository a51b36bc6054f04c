# Script half of torvo_embed_files (TorvoEmbed.cmake): writes OUTPUT from the
# files in INPUTS (separated by |). Each file becomes a byte array, so any
# content survives.
string(REPLACE "|" ";" inputs "${INPUTS}")
set(arrays "")
set(entries "")
set(index 0)
foreach(input IN LISTS inputs)
    file(READ ${input} hex HEX)
    file(SIZE ${input} size)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    get_filename_component(name ${input} NAME)
    string(APPEND arrays "const unsigned char file${index}[] = { ${bytes} 0x00 };\n")
    string(APPEND entries "    { \"${name}\", { reinterpret_cast<const char*> (file${index}), ${size} } },\n")
    math(EXPR index "${index} + 1")
endforeach()

set(content "// Generated from the embedded files; edit those instead.
#include <cstddef>
#include <string_view>
#include <utility>

namespace
{
${arrays}}

namespace ${NAMESPACE}
{
extern const std::pair<std::string_view, std::string_view> ${SYMBOL}[];
extern const std::size_t ${SYMBOL}Count;

const std::pair<std::string_view, std::string_view> ${SYMBOL}[] = {
${entries}};
const std::size_t ${SYMBOL}Count = ${index};
}
")

file(WRITE ${OUTPUT} "${content}")
