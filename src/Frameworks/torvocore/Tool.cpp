#include "torvocore/Tool.h"

namespace torvo
{

bool Tool::startDisplay()
{
    return true;
}

void Tool::stopDisplay()
{
}

} // namespace torvo
