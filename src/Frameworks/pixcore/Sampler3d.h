#pragma once

#include "pixcore/Pixel3dBuffer.h"
#include "pixcore/SamplingParameters.h"

namespace graphics
{

//==============================================================================
/**
    A shader parameter object's volume sampler: a GPU 3D buffer and how to
    sample it. A shader program takes its texture and parameters when the
    sampler is assigned to one of its sampler3D uniforms.
*/
class Sampler3d : public tav::Object
{
public:
    Sampler3d() = default;

    juce::String getClassName() const override              { return "Sampler3d"; }

    /** The texture to sample, shared with whoever made it; nullptr for none. */
    void setTexture (std::shared_ptr<Pixel3dBuffer> newTexture)   { texture = std::move (newTexture); }

    /** The texture, or nullptr. */
    const std::shared_ptr<Pixel3dBuffer>& getTexture() const noexcept   { return texture; }

    /** The sampling settings, for changing. */
    SamplingParameters& getSamplingParameters() noexcept     { return parameters; }

    /** The sampling settings. */
    const SamplingParameters& getSamplingParameters() const noexcept    { return parameters; }

private:
    std::shared_ptr<Pixel3dBuffer> texture;
    SamplingParameters parameters;
};

} // namespace graphics
