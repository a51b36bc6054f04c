#include "FrontPanelView.h"

using namespace ftd2xxsim;

FrontPanelView::FrontPanelView (const juce::String& panelPath) : path (panelPath)
{
    setSize (panel::width * scale, panel::height * scale);
    setOpaque (true);
    refresh();
    startTimerHz (30);
}

FrontPanelView::~FrontPanelView()
{
    stopTimer();
}

juce::String FrontPanelView::waitingText()
{
    return juce::String (juce::CharPointer_UTF8 ("waiting for the display\xe2\x80\xa6"));
}

void FrontPanelView::refresh()
{
    // The simulator creates the file when its display starts; until then, and
    // after it stopped publishing, the file is looked for afresh each time.
    if (file == nullptr)
        file = PanelFile::open (path.toStdString());

    std::uint32_t sequence = 0;
    const bool published = file != nullptr && file->readFrame (pixels, sequence);

    if (! published)
    {
        file.reset();

        if (showing)
        {
            showing = false;
            repaint();
        }

        return;
    }

    if (showing && sequence == shownSequence)
        return;

    shownSequence = sequence;
    showing = true;
    showPixels();
    repaint();
}

void FrontPanelView::showPixels()
{
    const juce::Image::BitmapData data (frame, juce::Image::BitmapData::writeOnly);

    for (int y = 0; y < panel::height; ++y)
    {
        for (int x = 0; x < panel::width; ++x)
        {
            const auto* p = pixels.data() + 4 * (static_cast<std::size_t> (y) * panel::width + x);
            data.setPixelColour (x, y, juce::Colour (p[0], p[1], p[2], p[3]));
        }
    }
}

void FrontPanelView::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);

    if (! showing)
    {
        g.setColour (juce::Colours::lightgrey);
        g.setFont (20.0f);
        g.drawText (waitingText(), getLocalBounds(), juce::Justification::centred);
        return;
    }

    // Whole panel pixels, as the panel shows them: no smoothing between them.
    g.setImageResamplingQuality (juce::Graphics::lowResamplingQuality);
    g.drawImage (frame, getLocalBounds().toFloat());
}

void FrontPanelView::sendTouch (bool pressed, juce::Point<float> position)
{
    if (file == nullptr)
        return;

    const int x = juce::jlimit (0, panel::width - 1, static_cast<int> (position.x) / scale);
    const int y = juce::jlimit (0, panel::height - 1, static_cast<int> (position.y) / scale);
    file->writeTouch (pressed, x, y);
}

void FrontPanelView::mouseDown (const juce::MouseEvent& event)
{
    sendTouch (true, event.position);
}

void FrontPanelView::mouseDrag (const juce::MouseEvent& event)
{
    sendTouch (true, event.position);
}

void FrontPanelView::mouseUp (const juce::MouseEvent& event)
{
    sendTouch (false, event.position);
}
