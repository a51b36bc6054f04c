#pragma once

#include "torvocore/FrameInformation.h"

namespace graphics { class Texture2d; }

namespace torvo
{

/** What the host hands a texture modifier for one rendered frame: the
    image to read, the image to write (both textures of the element's
    graphics context, not owned) and the frame being rendered. */
struct CompositingData
{
    const graphics::Texture2d* input = nullptr;   /**< the image the element modifies */
    graphics::Texture2d* output = nullptr;        /**< where the modified image goes */
    FrameInformation frame;                       /**< the frame being rendered */
    double renderingGamma = 2.2;                  /**< the gamma of the host's colour values */
};

} // namespace torvo
