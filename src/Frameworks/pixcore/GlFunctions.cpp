#include "pixcore/GlFunctions.h"

namespace graphics
{

juce::Result GlFunctions::load (const std::function<void* (const char* name)>& lookUp)
{
   #define PIXCORE_GL_LOAD(type, name) \
    name = reinterpret_cast<type> (lookUp (#name)); \
    if (name == nullptr) \
        return juce::Result::fail ("the driver has no " #name);

    PIXCORE_GL_FUNCTIONS (PIXCORE_GL_LOAD)
   #undef PIXCORE_GL_LOAD

    return juce::Result::ok();
}

} // namespace graphics
