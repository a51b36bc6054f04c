#pragma once

#include "CdlGrade.h"
#include "FloatImage.h"
#include "GammaConversion.h"
#include "Lut3d.h"
#include <memory>

namespace graphics::reference
{

//==============================================================================
/**
    What a colour element applies: its CDL, or its LUT when it is in LUT mode
    and holds one. As in the shader, the CDL applies whenever there is no LUT,
    whatever the mode says.
*/
struct Grade
{
    Cdl cdl;
    std::shared_ptr<const Lut3d> lut;
    bool cdlActive = true;

    /** True when the CDL applies rather than the LUT. */
    bool appliesCdl() const noexcept    { return cdlActive || lut == nullptr; }
};

/** The gamma that the grading application authors its grades on. */
constexpr double gradingGamma = 2.2;

/**
    The shader's compute on one pixel, in the precision T: convert from the
    rendering gamma to 2.2, apply the CDL or the LUT, convert back. Alpha
    passes unchanged.
*/
template <typename T>
Rgba computeGrade (Rgba pixel, const Grade& grade, T renderingGamma)
{
    const auto authoring = T (gradingGamma);
    auto rgb = convertGamma (Rgb<T> { T (pixel.r), T (pixel.g), T (pixel.b) }, renderingGamma, authoring);
    rgb = grade.appliesCdl() ? applyCdl (rgb, grade.cdl) : applyLut (rgb, *grade.lut);
    rgb = convertGamma (rgb, authoring, renderingGamma);
    return { (float) rgb.r, (float) rgb.g, (float) rgb.b, pixel.a };
}

/** computeGrade on every pixel of an image, in double precision. */
FloatImage gradeImage (const FloatImage& image, const Grade& grade, double renderingGamma);

/** computeGrade on every pixel of an image, in float precision as a GPU computes it. */
FloatImage gradeImageInFloat (const FloatImage& image, const Grade& grade, float renderingGamma);

} // namespace graphics::reference
