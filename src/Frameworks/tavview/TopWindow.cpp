#include "tavview/TopWindow.h"

namespace gui::tav
{

void TopWindow::setCenterToPrimaryDisplayBounds (int width, int height)
{
    auto* window = getDesktopWindow();

    if (window == nullptr)
        return;

    juce::Rectangle<int> area (0, 0, width, height);

    if (auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
        area = display->userArea.withSizeKeepingCentre (width, height);

    window->setBounds (area);
    window->setVisible (true);
}

} // namespace gui::tav
