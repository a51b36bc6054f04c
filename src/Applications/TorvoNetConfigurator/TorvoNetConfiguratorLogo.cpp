#include "TorvoNetConfiguratorLogo.h"

namespace gui::tav::images
{
extern const unsigned char toolbarLogoBlock[];
extern const std::size_t toolbarLogoBlockPackedSize;
extern const std::size_t toolbarLogoBlockFullSize;
}

namespace gui::tav
{

juce::Result makeToolbarLogoState (::tav::State& logo)
{
    return ::tav::State::fromLz4Block (images::toolbarLogoBlock, images::toolbarLogoBlockPackedSize,
                                       images::toolbarLogoBlockFullSize, logo);
}

size_t getToolbarLogoPackedSize() noexcept    { return images::toolbarLogoBlockPackedSize; }
size_t getToolbarLogoFullSize() noexcept      { return images::toolbarLogoBlockFullSize; }

} // namespace gui::tav
