#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <tavcore/ExecutionContext.h>

#include <optional>

namespace gui::tav
{

//==============================================================================
/**
    Shows a context's errors in dialogs and asks its questions in dialogs,
    from whichever thread they come. The GUI thread attaches one to its own
    context and to the message thread's, so that a GUI program's problems
    reach the person in front of it.

    Errors open a dialog with an OK button and do not wait for it. A
    question asked on the message thread waits in a modal loop; asked on
    another thread, it is shown by the message thread while the asking
    thread waits. Without a message thread there is nobody to ask, and the
    view leaves the answer to others.
*/
class DialogExecutionContextView : public ::tav::ExecutionContextView
{
public:
    /** title heads every dialog (the program's name, say). */
    explicit DialogExecutionContextView (const juce::String& title);

    void messageReceived (const ::tav::ExecutionMessage& message) override;

    std::optional<bool> askQuestion (const juce::String& question, const juce::String& firstAnswer,
                                     const juce::String& secondAnswer, const juce::String& extraText) override;

private:
    juce::String title;
};

} // namespace gui::tav
