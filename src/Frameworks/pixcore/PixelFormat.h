#pragma once

#include <juce_core/juce_core.h>

namespace graphics
{

//==============================================================================
/**
    How the texels of a colour buffer are laid out, given by the host's five
    pixel-format numbers: colour space, a reserved 0, sub-sampling, component
    type and compression.

    The one layout implemented is (6, 0, 0, 11, 0): RGBA, no sub-sampling,
    four 32-bit float components, uncompressed, 16 bytes per texel. Any other
    combination is kept as given but reports itself unsupported, and buffers
    refuse it.
*/
class PixelFormat
{
public:
    /** The RGBA colour space. */
    static constexpr int rgbaColourSpace = 6;

    /** The 32-bit float component type. */
    static constexpr int float32Components = 11;

    /** A format from the host's five numbers. */
    constexpr PixelFormat (int colourSpaceToUse, int reservedToUse, int subSamplingToUse,
                           int componentTypeToUse, int compressionToUse) noexcept
        : colourSpace (colourSpaceToUse), reserved (reservedToUse), subSampling (subSamplingToUse),
          componentType (componentTypeToUse), compression (compressionToUse) {}

    /** Four 32-bit floats per texel: (6, 0, 0, 11, 0). */
    static constexpr PixelFormat rgbaFloat() noexcept   { return { rgbaColourSpace, 0, 0, float32Components, 0 }; }

    /** True for the layouts this library implements. */
    bool isSupported() const noexcept;

    /** Bytes per texel; 0 for an unsupported format. */
    size_t getBytesPerTexel() const noexcept            { return isSupported() ? 16 : 0; }

    /** Components per texel; 0 for an unsupported format. */
    int getNumComponents() const noexcept               { return isSupported() ? 4 : 0; }

    /** The five numbers as text, "(6, 0, 0, 11, 0)". */
    juce::String toString() const;

    /** True when all five numbers are the same. */
    bool operator== (const PixelFormat&) const = default;

private:
    int colourSpace, reserved, subSampling, componentType, compression;
};

} // namespace graphics
