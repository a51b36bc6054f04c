#pragma once

#include <cstdint>
#include <vector>

// The touch-engine patches of the capacitive boards 1 and 3. The code builds
// each patch's co-processor command stream; the touch-engine program inside
// it (a zlib stream, inflated into the engine's memory at 0x30B000) is the
// touch controller maker's and is not shipped here: it is read from the file
// that an environment variable names, and without one the patch is skipped.

namespace vitrel::eve
{

/** Which of the two patches: A for capacitive touch on board 1, B for board 3 with display type 12. */
enum class TouchPatch
{
    a,
    b
};

/** The environment variable naming the file of a patch's zlib-compressed touch program: VITREL_TOUCH_PATCH_A or VITREL_TOUCH_PATCH_B. */
const char* touchPatchVariable (TouchPatch patch) noexcept;

/** The largest program file accepted, in bytes; the touch engine's memory holds far less once inflated. */
constexpr std::uint32_t maxTouchProgramBytes = 16 * 1024;

/**
    The patch's command stream around program (a zlib stream): patch A holds
    the touch engine in reset, inflates program to 0x30B000, sets
    REG_TOUCH_OVERSAMPLE to 15 and releases the engine; patch B holds it in
    reset, writes 0x352 at 0x30B000, inflates program there and releases it.
    The program is padded with zeros to whole words.
*/
std::vector<std::uint8_t> buildTouchPatch (TouchPatch patch, const std::vector<std::uint8_t>& program);

/**
    The program the patch's environment variable names; empty, with a message
    on standard output saying why the patch is skipped, when the variable is
    unset or its file is missing, empty or larger than maxTouchProgramBytes.
*/
std::vector<std::uint8_t> readTouchProgram (TouchPatch patch);

} // namespace vitrel::eve
