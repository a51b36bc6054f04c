#pragma once

#include <tavcore/Library.h>

namespace graphics
{

/** Creates the library "Pixcore" of the graphics classes ("Vector4d", "OwnedColor3dBuffer", "Sampler3d"). */
std::unique_ptr<tav::Library> createPixcoreLibrary();

} // namespace graphics
