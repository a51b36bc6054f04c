#pragma once

#include "torvocore/ColorModifierPrograms.h"
#include "torvocore/ShaderHost.h"
#include "torvocore/TextureModifier.h"

namespace torvo
{

//==============================================================================
/**
    A texture modifier that runs a colour modifier's shader over every pixel
    of its input.

    modify() compiles the shader once per graphics context from its class
    attribute "shaderSourceCode"; a shader that does not compile, or a
    missing graphics context, becomes the element's failure status and
    modify() returns false. draw() then binds every member variable of the
    shader object to the active uniform of the same name and renders input
    into output, so values set on the shader object during modify() are in
    this frame.
*/
class ColorTextureModifierBase : public ShaderHost<TextureModifier, ColorModifier>
{
public:
    bool modify (CompositingData& data) override;

    /** Lets the compiled programs go, then unloads the base. */
    void unload() override;

protected:
    /** Takes ownership of the shader object, which must not be null. */
    explicit ColorTextureModifierBase (std::unique_ptr<ColorModifier> shaderObject);

    bool draw (CompositingData& data) override;

private:
    ColorModifierPrograms programs;
    graphics::ShaderProgram* currentProgram = nullptr;
};

//==============================================================================
/**
    The colour texture modifier of the parameter class ColorModifierType,
    registered with the base name "ColorTextureModifier(ColorModifierType's
    class name)".
*/
template <class ColorModifierType>
class ColorTextureModifier : public ColorTextureModifierBase
{
public:
    ColorTextureModifier() : ColorTextureModifierBase (std::make_unique<ColorModifierType>()) {}

    /** The shader's parameter object. */
    ColorModifierType& getShader() noexcept
    {
        return static_cast<ColorModifierType&> (ColorTextureModifierBase::getShader());
    }

    /** The shader's parameter object. */
    const ColorModifierType& getShader() const noexcept
    {
        return static_cast<const ColorModifierType&> (ColorTextureModifierBase::getShader());
    }
};

} // namespace torvo
