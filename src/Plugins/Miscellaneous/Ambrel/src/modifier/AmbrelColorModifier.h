#pragma once

#include <pixcore/Sampler3d.h>
#include <pixcore/Vector4d.h>
#include <tavcore/Real.h>
#include <torvocore/ColorModifier.h>

namespace torvo
{

//==============================================================================
/**
    The grade's shader parameters. The element sets every one of them each
    frame, so none is saved or shown; each reaches the shader's uniform of
    the same name.
*/
class AmbrelColorModifier : public ColorModifier
{
public:
    AmbrelColorModifier();

    juce::String getClassName() const override    { return "AmbrelColorModifier"; }

    graphics::Vector4d slope, offset, power;
    tav::Real saturation;
    tav::Real cdlActive;            /**< above 0.5: apply the CDL; otherwise the LUT */
    graphics::Sampler3d lutSampler;
};

} // namespace torvo
