#include "GraphicsTestContext.h"

// Wine's WGL renders through the X server: a run outside one has no context.
bool pixtest::isGraphicsOptional()
{
    return true;
}
