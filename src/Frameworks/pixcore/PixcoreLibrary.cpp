#include "pixcore/PixcoreLibrary.h"
#include "pixcore/OwnedColor3dBuffer.h"
#include "pixcore/Sampler3d.h"
#include "pixcore/Vector4d.h"
#include <tavcore/ClassOf.h>

namespace graphics
{

std::unique_ptr<tav::Library> createPixcoreLibrary()
{
    auto library = std::make_unique<tav::Library> ("Pixcore");
    library->addClass ("Vector4d", std::make_unique<tav::ClassOf<Vector4d>> ("Object"));
    library->addClass ("OwnedColor3dBuffer", std::make_unique<tav::ClassOf<OwnedColor3dBuffer>> ("Object"));
    library->addClass ("Sampler3d", std::make_unique<tav::ClassOf<Sampler3d>> ("Object"));
    return library;
}

} // namespace graphics
