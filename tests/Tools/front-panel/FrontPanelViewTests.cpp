#include "FrontPanelView.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

using namespace ftd2xxsim;

namespace
{

/** The viewer's view over a panel file that the test publishes into, as the simulated display does. */
class FrontPanelViewTest : public testing::Test
{
protected:
    /** A frame that is black but for a red block at panel pixels (100..139, 20..39). */
    static std::vector<std::uint8_t> redBlockFrame()
    {
        std::vector<std::uint8_t> rgba (panel::pixelBytes, 0);

        for (int y = 0; y < panel::height; ++y)
            for (int x = 0; x < panel::width; ++x)
            {
                auto* p = rgba.data() + 4 * (static_cast<std::size_t> (y) * panel::width + x);
                const bool red = x >= 100 && x < 140 && y >= 20 && y < 40;
                p[0] = red ? 255 : 0;
                p[3] = 255;
            }

        return rgba;
    }

    /** A mouse event at a point of the view, as a press or drag there delivers it. */
    juce::MouseEvent mouseAt (juce::Point<float> position)
    {
        const auto now = juce::Time::getCurrentTime();
        return { juce::Desktop::getInstance().getMainMouseSource(), position, juce::ModifierKeys::leftButtonModifier,
                 juce::MouseInputSource::defaultPressure, 0.0f, 0.0f, 0.0f, 0.0f, &view, &view, now, position, now, 1, false };
    }

    void saveSnapshot (const char* name)
    {
        juce::File file (juce::File::getCurrentWorkingDirectory().getChildFile (name));
        juce::FileOutputStream stream (file);

        if (stream.openedOk())
        {
            stream.setPosition (0);
            stream.truncate();
            juce::PNGImageFormat().writeImageToStream (view.createComponentSnapshot (view.getLocalBounds()), stream);
        }
    }

    juce::ScopedJuceInitialiser_GUI gui;
    TemporaryFolder folder;
    std::string path { folder.get().getChildFile ("panel").getFullPathName().toStdString() };
    FrontPanelView view { juce::String (path) };
};

TEST_F (FrontPanelViewTest, WaitsForTheDisplayUntilAFrameIsPublished)
{
    EXPECT_FALSE (view.isShowingFrame());
    EXPECT_EQ (FrontPanelView::waitingText(), juce::String (juce::CharPointer_UTF8 ("waiting for the display\xe2\x80\xa6")));

    auto simulator = PanelFile::create (path);
    ASSERT_NE (simulator, nullptr);
    view.refresh();
    EXPECT_FALSE (view.isShowingFrame()) << "a file with no frame yet shows nothing";

    simulator->publishFrame (redBlockFrame().data());
    view.refresh();
    ASSERT_TRUE (view.isShowingFrame());
    saveSnapshot ("front-panel-view.png");

    // Each panel pixel covers scale x scale screen pixels.
    const auto snapshot = view.createComponentSnapshot (view.getLocalBounds());
    EXPECT_EQ (snapshot.getWidth(), 960);
    EXPECT_EQ (snapshot.getPixelAt (2 * 120, 2 * 30).getRed(), 255);
    EXPECT_EQ (snapshot.getPixelAt (2 * 120 + 1, 2 * 30 + 1).getRed(), 255);
    EXPECT_EQ (snapshot.getPixelAt (2 * 20, 2 * 100).getRed(), 0);

    simulator->unpublish();
    view.refresh();
    EXPECT_FALSE (view.isShowingFrame());
}

TEST_F (FrontPanelViewTest, MousePressesDragsAndReleasesReachTheSimulatorAsTouches)
{
    auto simulator = PanelFile::create (path);
    simulator->publishFrame (redBlockFrame().data());
    view.refresh();
    ASSERT_TRUE (view.isShowingFrame());

    PanelTouch touch;
    view.mouseDown (mouseAt ({ 241.0f, 61.0f }));
    ASSERT_EQ (simulator->readTouch (touch), TouchRead::touch);
    EXPECT_TRUE (touch.pressed);
    EXPECT_EQ (touch.x, 120);
    EXPECT_EQ (touch.y, 30);

    // A drag past the edge stays on the panel's last pixel.
    view.mouseDrag (mouseAt ({ 2000.0f, -5.0f }));
    ASSERT_EQ (simulator->readTouch (touch), TouchRead::touch);
    EXPECT_EQ (touch.x, 479);
    EXPECT_EQ (touch.y, 0);

    view.mouseUp (mouseAt ({ 2000.0f, -5.0f }));
    ASSERT_EQ (simulator->readTouch (touch), TouchRead::touch);
    EXPECT_FALSE (touch.pressed);
    EXPECT_EQ (simulator->readTouch (touch), TouchRead::none);
}

} // namespace
