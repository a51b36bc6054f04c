#include "HostPreview.h"
#include <tavview/WineRepaintPump.h>

namespace
{
    constexpr int imageAreaWidth = 960, imageAreaHeight = 540, lineHeight = 22;

    juce::uint8 toByte (float value)
    {
        // NaN fails both comparisons and shows as black.
        const auto clamped = value > 0.0f ? (value < 1.0f ? value : 1.0f) : 0.0f;
        return (juce::uint8) juce::roundToInt (clamped * 255.0f);
    }

    /** The image as the display shows it: values are already in the display's
        encoding (the rendering gamma), clamped to [0, 1]. */
    juce::Image toDisplayImage (const graphics::reference::FloatImage& image)
    {
        juce::Image picture (juce::Image::RGB, juce::jmax (1, image.getWidth()), juce::jmax (1, image.getHeight()), true);
        const juce::Image::BitmapData pixels (picture, juce::Image::BitmapData::writeOnly);

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
            {
                const auto p = image.getPixel (x, y);
                pixels.setPixelColour (x, y, juce::Colour (toByte (p.r), toByte (p.g), toByte (p.b)));
            }

        return picture;
    }
}

//==============================================================================
class HostPreview::Content : public juce::Component
{
public:
    Content()    { setLines ({}); }

    void setImage (juce::Image newPicture)
    {
        picture = std::move (newPicture);
        repaint();
    }

    void setLines (const juce::StringArray& newLines)
    {
        lines = newLines;
        setSize (imageAreaWidth, imageAreaHeight + lineHeight * juce::jmax (1, lines.size()) + 8);
        repaint();
    }

    void paint (juce::Graphics& g) override
    {
        g.fillAll (juce::Colours::black);

        // Pixels stay sharp when a small image is enlarged.
        g.setImageResamplingQuality (juce::Graphics::lowResamplingQuality);

        if (picture.isValid())
            g.drawImage (picture, getImageArea().toFloat(), juce::RectanglePlacement::centred);

        g.setColour (juce::Colours::white);
        g.setFont ((float) lineHeight - 6.0f);

        for (int i = 0; i < lines.size(); ++i)
            g.drawText (lines[i], 8, imageAreaHeight + 4 + i * lineHeight, getWidth() - 16, lineHeight,
                        juce::Justification::centredLeft);
    }

    juce::Rectangle<int> getImageArea() const    { return { 0, 0, imageAreaWidth, imageAreaHeight }; }

private:
    juce::Image picture;
    juce::StringArray lines;
};

//==============================================================================
class HostPreview::Window : public juce::DocumentWindow
{
public:
    explicit Window (Content& content)
        : DocumentWindow ("Torvo preview", juce::Colours::black, DocumentWindow::closeButton)
    {
        setUsingNativeTitleBar (true);
        setContentNonOwned (&content, true);
        setTopLeftPosition (40, 40);
        setVisible (true);
    }

    void closeButtonPressed() override    { juce::JUCEApplicationBase::getInstance()->systemRequestedQuit(); }
};

//==============================================================================
HostPreview::HostPreview (const juce::File& snapshot)
    : repaintPump (gui::tav::WineRepaintPump::createIfNeeded()),
      content (std::make_unique<Content>()),
      window (std::make_unique<Window> (*content)),
      snapshotFile (snapshot)
{
}

HostPreview::~HostPreview()
{
    window.reset();
    content.reset();
}

void HostPreview::show (const graphics::reference::FloatImage& image, const juce::StringArray& statusLines)
{
    if (! image.isEmpty())
        content->setImage (toDisplayImage (image));

    content->setLines (statusLines);
    saveSnapshot();
}

bool HostPreview::isOpen() const noexcept
{
    return window != nullptr && window->isOnDesktop();
}

void HostPreview::saveSnapshot()
{
    if (snapshotFile == juce::File())
        return;

    // Written beside and renamed, so that a reader never meets half a file.
    const auto shot = content->createComponentSnapshot (content->getLocalBounds());
    const juce::TemporaryFile temporary (snapshotFile);

    {
        juce::FileOutputStream out (temporary.getFile());

        if (! out.openedOk() || ! juce::PNGImageFormat().writeImageToStream (shot, out))
            return;
    }

    temporary.overwriteTargetFileWithTemporary();
}
