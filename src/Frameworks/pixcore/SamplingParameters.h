#pragma once

#include "pixcore/GlFunctions.h"

namespace graphics
{

//==============================================================================
/**
    How a shader reads a texture: filtering, what happens past its edges,
    and how many of its levels it may use.
*/
class SamplingParameters
{
public:
    /** Addressing past the edges; the numbers are the host's enumeration values. */
    enum class Addressing
    {
        repeat         = 0,
        mirroredRepeat = 1,
        clampToBorder  = 2,
        clampToEdge    = 3
    };

    /** True: linear (trilinear for a volume) interpolation between texel
        centres; false: the nearest texel. */
    void setFilter (bool shouldFilter) noexcept          { filtered = shouldFilter; }

    /** True when sampling interpolates. */
    bool isFiltered() const noexcept                     { return filtered; }

    /** The addressing of every texture coordinate. */
    void setAddressing (Addressing newAddressing) noexcept   { addressing = newAddressing; }

    /** The addressing from the host's enumeration value; values it does not
        know give clamp to edge. */
    void setAddressing (int hostValue) noexcept;

    /** The addressing of every texture coordinate. */
    Addressing getAddressing() const noexcept            { return addressing; }

    /** The number of levels sampling may use, 1 meaning the base level
        only (no mipmapping). It is limited to the levels a texture has,
        and values below 1 count as 1. */
    void setNumLevels (int newNumLevels) noexcept        { numLevels = juce::jmax (1, newNumLevels); }

    /** The number of levels sampling may use. */
    int getNumLevels() const noexcept                    { return numLevels; }

    /** Writes the parameters into the texture bound to target on the active
        unit, which has levelsAvailable levels. */
    void applyTo (const GlFunctions& gl, GLenum target, int levelsAvailable) const;

    /** True when every setting is the same. */
    bool operator== (const SamplingParameters&) const = default;

private:
    bool filtered = false;
    Addressing addressing = Addressing::clampToEdge;
    int numLevels = 1;
};

} // namespace graphics
