#pragma once

#include <memory>

namespace torvo
{

//==============================================================================
/**
    An element of kind ElementBase that owns the parameter object of its
    shader, of kind ShaderBase. The shader object is not one of the
    element's member variables: the element sets it every frame, so it is
    neither saved nor does it move the element's version.
*/
template <class ElementBase, class ShaderBase>
class ShaderHost : public ElementBase
{
public:
    /** The shader's parameter object. */
    ShaderBase& getShader() noexcept               { return *shader; }

    /** The shader's parameter object. */
    const ShaderBase& getShader() const noexcept   { return *shader; }

protected:
    /** Takes ownership of the shader object, which must not be null. */
    explicit ShaderHost (std::unique_ptr<ShaderBase> shaderObject) : shader (std::move (shaderObject)) {}

private:
    std::unique_ptr<ShaderBase> shader;
};

} // namespace torvo
