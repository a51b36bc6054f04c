#include "TouchPanel.h"

#include "EVE/EveRegisters.h"
#include "EVE/EveTransport.h"

namespace launcher
{

std::uint8_t ControllerTouchPanel::readTag()
{
    return vitrel::eve::rd8 (vitrel::eve::REG_TOUCH_TAG);
}

std::uint32_t ControllerTouchPanel::readScreenXY()
{
    return vitrel::eve::rd32 (vitrel::eve::REG_TOUCH_SCREEN_XY);
}

} // namespace launcher
