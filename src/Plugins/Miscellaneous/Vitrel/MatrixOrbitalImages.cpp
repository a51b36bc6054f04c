#include "MatrixOrbitalImages.h"
#include "PackedImages.h"

namespace launcher
{

MatrixOrbitalImagesClass::MatrixOrbitalImagesClass() : tav::Class ("Object")
{
    declareAttributes (tav::ExecutionContext::get());
}

MatrixOrbitalImagesClass::~MatrixOrbitalImagesClass() = default;

void MatrixOrbitalImagesClass::declareAttributes (tav::ExecutionContext& context)
{
    for (const auto& image : getPackedImages())
    {
        tav::State state;

        // A damaged block leaves its image out; the display then shows nothing in its place.
        if (auto r = tav::State::fromLz4Block (image.block, image.packedSize, image.fullSize, state); r.failed())
            context.error (juce::String ("MatrixOrbitalImages::") + image.attributeName + ": " + r.getErrorMessage());
        else
            setAttribute (context, image.attributeName, state);
    }
}

} // namespace launcher
