#include "FloatImage.h"

#include <algorithm>

namespace graphics::reference
{

FloatImage::FloatImage (int w, int h, Rgba fill)
    : width (std::max (0, w)),
      height (std::max (0, h)),
      pixels ((size_t) width * (size_t) height, fill)
{
    if (pixels.empty())
        width = height = 0;
}

} // namespace graphics::reference
