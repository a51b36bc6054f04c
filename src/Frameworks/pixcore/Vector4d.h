#pragma once

#include <tavcore/Object.h>
#include <tavcore/ChangeCallback.h>

namespace graphics
{

/** The four components of a Vector4d. */
struct Vector4dComponents
{
    double x = 0.0, y = 0.0, z = 0.0, w = 0.0;
    bool operator== (const Vector4dComponents& other) const = default;
};

//==============================================================================
/** Four doubles x, y, z, w; saved as the map "{x=1, y=1, z=1, w=1}". */
class Vector4d : public tav::Object
{
public:
    using Components = Vector4dComponents;

    explicit Vector4d (Components initial = {}) : value (initial) {}

    juce::String getClassName() const override    { return "Vector4d"; }

    /** The current components. */
    const Components& get() const noexcept        { return value; }

    /** Changes the components; observers hear of a real change when the callback says so. */
    void set (const Components& newValue, tav::ChangeCallback callback);

    tav::State saveState() const override;

    /** Reads a map of x, y, z and w; components left out keep their value. */
    juce::Result loadState (const tav::State& state, const juce::String& sourceName) override;

private:
    Components value;
};

} // namespace graphics
