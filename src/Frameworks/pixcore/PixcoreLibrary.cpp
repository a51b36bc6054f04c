#include "pixcore/PixcoreLibrary.h"
#include "pixcore/Vector4d.h"
#include <tavcore/ClassOf.h>

namespace graphics
{

std::unique_ptr<tav::Library> createPixcoreLibrary()
{
    auto library = std::make_unique<tav::Library> ("Pixcore");
    library->addClass ("Vector4d", std::make_unique<tav::ClassOf<Vector4d>> ("Object"));
    return library;
}

} // namespace graphics
