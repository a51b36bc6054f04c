#include "FrontPanelLink.h"

#include "Environment.h"

#include <algorithm>
#include <cstring>

namespace ftd2xxsim
{

PanelFile* FrontPanelLink::current()
{
    const auto named = readEnvironment ("FTD2XX_SIM_PANEL");

    // A changed variable moves the panel to another file; an unset one ends it.
    if (named != path)
    {
        path = named;
        file = path.empty() ? nullptr : PanelFile::create (path);
    }

    return file.get();
}

void FrontPanelLink::publish (const RgbaImage& frame)
{
    auto* panelFile = current();

    if (panelFile == nullptr)
        return;

    // A frame smaller than the panel leaves the rest black.
    visible.assign (panel::pixelBytes, 0);
    const int columns = std::min (frame.width, panel::width);

    for (int y = 0; y < std::min (frame.height, panel::height); ++y)
        std::memcpy (visible.data() + static_cast<std::size_t> (y) * panel::width * 4, frame.at (0, y),
                     static_cast<std::size_t> (columns) * 4);

    panelFile->publishFrame (visible.data());
}

void FrontPanelLink::powerDown()
{
    if (file != nullptr)
        file->unpublish();
}

TouchRead FrontPanelLink::poll (PanelTouch& touch)
{
    auto* panelFile = current();
    return panelFile != nullptr ? panelFile->readTouch (touch) : TouchRead::none;
}

} // namespace ftd2xxsim
