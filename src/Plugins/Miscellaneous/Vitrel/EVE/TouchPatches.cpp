#include "TouchPatches.h"

#include "EveRegisters.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace vitrel::eve
{
namespace
{

constexpr std::uint32_t CMD_MEMWRITE = 0xFFFFFF1A, CMD_INFLATE = 0xFFFFFF22;

void appendWord (std::vector<std::uint8_t>& stream, std::uint32_t word)
{
    for (int i = 0; i < 4; ++i)
        stream.push_back (static_cast<std::uint8_t> (word >> (8 * i)));
}

void appendMemWrite (std::vector<std::uint8_t>& stream, std::uint32_t address, std::uint32_t value)
{
    appendWord (stream, CMD_MEMWRITE);
    appendWord (stream, address);
    appendWord (stream, 4);
    appendWord (stream, value);
}

void appendInflate (std::vector<std::uint8_t>& stream, const std::vector<std::uint8_t>& program)
{
    appendWord (stream, CMD_INFLATE);
    appendWord (stream, RAM_TOUCH_PATCH);
    stream.insert (stream.end(), program.begin(), program.end());
    stream.resize ((stream.size() + 3) & ~std::size_t (3), 0);
}

const char* patchName (TouchPatch patch) noexcept
{
    return patch == TouchPatch::a ? "A" : "B";
}

struct FileCloser
{
    void operator() (std::FILE* file) const noexcept   { std::fclose (file); }
};

/** The file's bytes, or nothing when it cannot be read or holds more than limit bytes. */
std::vector<std::uint8_t> readSmallFile (const char* path, std::uint32_t limit)
{
    std::unique_ptr<std::FILE, FileCloser> file (std::fopen (path, "rb"));

    if (file == nullptr)
        return {};

    // One byte more than allowed tells an oversized file from one that just fits.
    std::vector<std::uint8_t> bytes (limit + 1);
    bytes.resize (std::fread (bytes.data(), 1, bytes.size(), file.get()));
    return bytes.size() <= limit ? bytes : std::vector<std::uint8_t>();
}

} // namespace

const char* touchPatchVariable (TouchPatch patch) noexcept
{
    return patch == TouchPatch::a ? "VITREL_TOUCH_PATCH_A" : "VITREL_TOUCH_PATCH_B";
}

std::vector<std::uint8_t> buildTouchPatch (TouchPatch patch, const std::vector<std::uint8_t>& program)
{
    std::vector<std::uint8_t> stream;
    appendMemWrite (stream, REG_CPURESET, 2);

    if (patch == TouchPatch::a)
    {
        appendInflate (stream, program);
        appendMemWrite (stream, REG_TOUCH_OVERSAMPLE, 15);
    }
    else
    {
        appendMemWrite (stream, RAM_TOUCH_PATCH, 0x352);
        appendInflate (stream, program);
    }

    appendMemWrite (stream, REG_CPURESET, 0);
    return stream;
}

std::vector<std::uint8_t> readTouchProgram (TouchPatch patch)
{
    const char* variable = touchPatchVariable (patch);
    const char* path = std::getenv (variable);

    if (path == nullptr || *path == 0)
    {
        std::printf ("Touch patch %s skipped: %s names no touch-engine program\n", patchName (patch), variable);
        return {};
    }

    auto program = readSmallFile (path, maxTouchProgramBytes);

    if (program.empty())
        std::printf ("Touch patch %s skipped: the file %s names is missing, empty or larger than %u bytes\n",
                     patchName (patch), variable, static_cast<unsigned> (maxTouchProgramBytes));

    return program;
}

} // namespace vitrel::eve
