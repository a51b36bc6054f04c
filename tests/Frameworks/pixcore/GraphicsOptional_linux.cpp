#include "GraphicsTestContext.h"

bool pixtest::isGraphicsOptional()
{
    return false;
}
