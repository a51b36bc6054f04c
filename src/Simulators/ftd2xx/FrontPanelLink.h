#pragma once

#include "RgbaImage.h"
#include "ftd2xx_panel/PanelFile.h"

#include <memory>
#include <string>

namespace ftd2xxsim
{

/**
    The simulated display's side of the front panel: while the environment
    variable FTD2XX_SIM_PANEL names a file, every swapped frame's visible area
    (the top-left panel::width x panel::height pixels) is published there and
    the touches a viewer writes there are read back. Without the variable it
    does nothing, so frames written as PNG files stay as they are.
*/
class FrontPanelLink
{
public:
    /** Publishes the visible area of a rendered frame. */
    void publish (const RgbaImage& frame);

    /** Tells the viewer that the display shows nothing any longer. */
    void powerDown();

    /** The viewer's latest touch, if it sent one since the last poll. */
    TouchRead poll (PanelTouch& touch);

private:
    PanelFile* current();

    std::string path;
    std::unique_ptr<PanelFile> file;
    std::vector<std::uint8_t> visible;
};

} // namespace ftd2xxsim
