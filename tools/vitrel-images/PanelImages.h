#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>
#include <vector>

namespace vitrel::images
{

//==============================================================================
/** One picture of the front panel: the file it is written to, its size and how it is drawn. */
struct PanelImage
{
    juce::String fileName;
    int width;
    int height;
    std::function<void (juce::Graphics&, juce::Rectangle<float>)> paint;
};

/** The eleven pictures the plug-in embeds, in the order the display loads them. */
std::vector<PanelImage> makePanelImages();

/** Draws one picture into a new transparent ARGB image. */
juce::Image renderPanelImage (const PanelImage& image);

} // namespace vitrel::images
