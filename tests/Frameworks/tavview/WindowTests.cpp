#include "GuiDispatch.h"
#include "StandaloneApplication.h"

#include <tavview/WineRepaintPump.h>

#include <gtest/gtest.h>

namespace
{

// A window's content as a person sees it: a label over a button on a plain
// background, counting the paints that the window asks of it.
class LabelAndButton : public juce::Component
{
public:
    LabelAndButton()
    {
        label.setText ("Boot applications", juce::dontSendNotification);
        label.setColour (juce::Label::textColourId, juce::Colours::white);
        button.setButtonText ("OK");
        addAndMakeVisible (label);
        addAndMakeVisible (button);
        setSize (320, 160);
    }

    void paint (juce::Graphics& g) override
    {
        g.fillAll (background);
        ++paints;
    }

    void resized() override
    {
        label.setBounds (10, 10, 300, 30);
        button.setBounds (110, 100, 100, 30);
    }

    juce::Colour background { juce::Colours::darkslateblue };
    int paints = 0;
    juce::Label label;
    juce::TextButton button;
};

class TestWindow : public juce::DocumentWindow
{
public:
    explicit TestWindow (juce::Component& content)
        : juce::DocumentWindow ("tavview test window", juce::Colours::black, juce::DocumentWindow::closeButton)
    {
        setContentNonOwned (&content, true);
        setTopLeftPosition (40, 40);
        setVisible (true);
    }
};

class Window : public testing::Test
{
protected:
    StandaloneApplication standalone;
    juce::ScopedJuceInitialiser_GUI gui;
    std::unique_ptr<gui::tav::WineRepaintPump> pump = gui::tav::WineRepaintPump::createIfNeeded();
    LabelAndButton content;
    std::unique_ptr<TestWindow> window = std::make_unique<TestWindow> (content);

    void TearDown() override
    {
        window = nullptr;
    }
};

bool looksLike (juce::Colour actual, juce::Colour expected)
{
    const auto near = [] (juce::uint8 a, juce::uint8 b) { return std::abs ((int) a - (int) b) <= 2; };
    return near (actual.getRed(), expected.getRed()) && near (actual.getGreen(), expected.getGreen())
        && near (actual.getBlue(), expected.getBlue());
}

} // namespace

//==============================================================================
TEST_F (Window, PaintsItsLabelAndButtonAndLeavesAScreenshot)
{
    ASSERT_TRUE (dispatchUntil ([&] { return content.paints > 0; })) << "the window was never painted";
    ASSERT_NE (window->getPeer(), nullptr);

    const auto shot = window->createComponentSnapshot (window->getLocalBounds());
    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile ("tavview-window.png");
    file.deleteFile();
    {
        juce::FileOutputStream out (file);
        ASSERT_TRUE (out.openedOk()) << file.getFullPathName();
        ASSERT_TRUE (juce::PNGImageFormat().writeImageToStream (shot, out));
    }

    const auto reread = juce::ImageFileFormat::loadFrom (file);
    ASSERT_TRUE (reread.isValid());
    ASSERT_EQ (reread.getBounds(), window->getLocalBounds());

    const auto contentOrigin = window->getLocalPoint (&content, juce::Point<int>());
    const auto at = [&] (juce::Component& c, int x, int y)
    {
        const auto p = contentOrigin + c.getPosition() + juce::Point<int> (x, y);
        return reread.getPixelAt (p.x, p.y);
    };
    EXPECT_TRUE (looksLike (at (content, 5, 60), content.background)) << at (content, 5, 60).toString();
    EXPECT_FALSE (looksLike (at (content.button, 3, content.button.getHeight() / 2), content.background))
        << "no button drawn";

    // The label's text leaves pixels of its colour somewhere along its line.
    int lightPixels = 0;
    for (int x = 0; x < content.label.getWidth(); ++x)
        if (at (content.label, x, content.label.getHeight() / 2).getBrightness() > 0.8f)
            ++lightPixels;
    EXPECT_GT (lightPixels, 3) << "no label text drawn";
}

TEST_F (Window, RepaintsAfterItsFirstPaint)
{
    ASSERT_TRUE (dispatchUntil ([&] { return content.paints > 0; })) << "the window was never painted";

    for (const auto colour : { juce::Colours::darkgreen, juce::Colours::darkred })
    {
        const auto paintsBefore = content.paints;
        content.background = colour;
        content.repaint();
        EXPECT_TRUE (dispatchUntil ([&] { return content.paints > paintsBefore; }))
            << "the window stopped painting after " << paintsBefore << " paints";
    }
}
