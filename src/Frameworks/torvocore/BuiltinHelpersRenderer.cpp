#include "torvocore/BuiltinHelpersRenderer.h"

namespace torvo
{

void BuiltinHelpersRenderer::renderBuiltinHelpers (graphics::GraphicsContext&)
{
}

} // namespace torvo
