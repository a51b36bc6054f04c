#pragma once

#include <cstdint>

namespace vitrel::eve
{

/** Patch A (1216 bytes): the touch-engine patch for capacitive touch on board 1. */
extern const std::uint8_t touchPatchA[];

/** Patch A's size in bytes. */
extern const std::uint32_t touchPatchASize;

/** Patch B (968 bytes): the touch-engine patch for capacitive touch on board 3 with display type 12. */
extern const std::uint8_t touchPatchB[];

/** Patch B's size in bytes. */
extern const std::uint32_t touchPatchBSize;

} // namespace vitrel::eve
