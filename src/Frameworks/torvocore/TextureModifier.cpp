#include "torvocore/TextureModifier.h"

namespace torvo
{

bool TextureModifier::modify (CompositingData& data)
{
    if (data.input == nullptr || data.output == nullptr)
    {
        setFailureStatus (juce::Result::fail ("No input or output texture to render with"));
        return false;
    }

    return true;
}

bool TextureModifier::process (CompositingData& data)
{
    return modify (data) && draw (data);
}

} // namespace torvo
