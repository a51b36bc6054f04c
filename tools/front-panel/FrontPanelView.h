#pragma once

#include "ftd2xx_panel/PanelFile.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

//==============================================================================
/**
    Shows the simulated display's front panel from its panel file, scaled up,
    and sends mouse presses, drags and releases over it as touches at the
    panel point under the mouse. While no display publishes there it says
    that it is waiting for one.
*/
class FrontPanelView : public juce::Component,
                       private juce::Timer
{
public:
    /** How many screen pixels show one panel pixel each way. */
    static constexpr int scale = 2;

    /** A view of the panel file at path, read 30 times a second. */
    explicit FrontPanelView (const juce::String& path);
    ~FrontPanelView() override;

    /** Reads the panel file now: a new frame is shown, a vanished display shows the waiting text. */
    void refresh();

    /** Whether a frame of a running display is shown. */
    bool isShowingFrame() const noexcept           { return showing; }

    /** The text shown while no display publishes. */
    static juce::String waitingText();

    //==============================================================================
    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& event) override;
    void mouseDrag (const juce::MouseEvent& event) override;
    void mouseUp (const juce::MouseEvent& event) override;

private:
    void timerCallback() override                  { refresh(); }
    void showPixels();
    void sendTouch (bool pressed, juce::Point<float> position);

    juce::String path;
    std::unique_ptr<ftd2xxsim::PanelFile> file;
    std::vector<std::uint8_t> pixels;
    juce::Image frame { juce::Image::ARGB, ftd2xxsim::panel::width, ftd2xxsim::panel::height, true };
    std::uint32_t shownSequence = 0;
    bool showing = false;

    JUCE_DECLARE_NON_COPYABLE (FrontPanelView)
};
