#pragma once

#include <tavcore/Library.h>

namespace graphics
{

/** Creates the library "Pixcore" of the graphics value classes ("Vector4d"). */
std::unique_ptr<tav::Library> createPixcoreLibrary();

} // namespace graphics
