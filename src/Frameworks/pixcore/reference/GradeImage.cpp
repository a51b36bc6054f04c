#include "Grade.h"

#include <algorithm>

namespace graphics::reference
{

namespace
{
    template <typename T>
    FloatImage gradeEveryPixel (const FloatImage& image, const Grade& grade, T renderingGamma)
    {
        auto graded = image;
        auto& pixels = graded.getPixels();
        std::transform (pixels.begin(), pixels.end(), pixels.begin(),
                        [&] (Rgba pixel) { return computeGrade (pixel, grade, renderingGamma); });
        return graded;
    }
}

FloatImage gradeImage (const FloatImage& image, const Grade& grade, double renderingGamma)
{
    return gradeEveryPixel (image, grade, renderingGamma);
}

FloatImage gradeImageInFloat (const FloatImage& image, const Grade& grade, float renderingGamma)
{
    return gradeEveryPixel (image, grade, renderingGamma);
}

} // namespace graphics::reference
