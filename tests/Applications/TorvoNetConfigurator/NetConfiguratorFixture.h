#pragma once

#include "MessageRecorder.h"
#include "ScopedEnvironment.h"
#include "TavViewFixture.h"
#include "TemporaryFolder.h"

#include <TorvoNetConfiguratorProgram.h>
#include <tavview/SimpleOkButtonMainView.h>
#include <tavview/TextValueEditor.h>
#include <tavview/VariablesEditor.h>

#include <gtest/gtest.h>
#include <optional>

namespace netconfiguratortest
{

//==============================================================================
/** Clicks a button of the next dialog that shows, from inside the modal loop
    of whoever asked; remembers the dialog's text and its buttons. */
class DialogAnswerer : private juce::Timer
{
public:
    explicit DialogAnswerer (const juce::String& buttonText) : answer (buttonText)   { startTimer (20); }
    ~DialogAnswerer() override                                                        { stopTimer(); }

    juce::String question;
    juce::StringArray buttons;
    int dialogs = 0;

private:
    void timerCallback() override
    {
        auto* dialog = tavviewtest::findDialog();

        if (dialog == nullptr)
            return;

        ++dialogs;
        question = dialog->getDescription();
        buttons.clear();
        juce::Button* chosen = nullptr;

        for (auto* child : dialog->getChildren())
        {
            if (auto* button = dynamic_cast<juce::Button*> (child))
            {
                buttons.add (button->getButtonText());

                if (button->getButtonText() == answer)
                    chosen = button;
            }
        }

        if (chosen != nullptr)
        {
            chosen->triggerClick();
            stopTimer();
        }
    }

    juce::String answer;
};

//==============================================================================
/**
    The network configurator's program with its libraries, on the test's
    (message) thread, over a configuration file of the test's own in a
    folder whose name holds spaces and non-ASCII letters.
*/
class NetConfiguratorFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        program.addLibraries (tav::Library::getRootLibrary());
    }

    void TearDown() override
    {
        closeDialogs();
        program.getGuiThread().stopTavThread (1000);
        program.removeLibraries (tav::Library::getRootLibrary());
    }

    /** Starts the GUI thread as the program does. */
    void startGui()
    {
        ASSERT_TRUE (program.getGuiThread().startTavThread (true));
    }

    /** Stops it again, as the program does when it quits. */
    void stopGui()
    {
        closeDialogs();
        ASSERT_TRUE (program.getGuiThread().stopTavThread (1000));
    }

    static void closeDialogs()
    {
        // Errors open their dialogs asynchronously: let them come, then close them.
        dispatchUntil ([] { return false; }, 100);

        // Dismissed, an error's dialog deletes itself on the message loop.
        for (int i = 0; i < 20 && tavviewtest::findDialog() != nullptr; ++i)
        {
            tavviewtest::findDialog()->exitModalState (0);
            dispatchUntil ([] { return tavviewtest::findDialog() == nullptr; }, 500);
        }
    }

    /** Writes the configuration file with a text. */
    void writeFile (const juce::String& text)
    {
        ASSERT_TRUE (file.getParentDirectory().createDirectory());
        ASSERT_TRUE (file.replaceWithText (text));
    }

    gui::tav::TorvoNetConfiguratorPelloThread& thread()    { return program.getGuiThread(); }
    torvo::TorvoNetConfiguration& configuration()          { return program.getGuiThread().configuration; }

    /** The main view, or nullptr. */
    gui::tav::SimpleOkButtonMainView* mainView()
    {
        auto* window = thread().getMainWindow();
        return window != nullptr ? dynamic_cast<gui::tav::SimpleOkButtonMainView*> (window->getContent()) : nullptr;
    }

    /** The editor of the configuration's settings, or nullptr. */
    gui::tav::VariablesEditor* editor()
    {
        auto* view = mainView();
        return view != nullptr ? dynamic_cast<gui::tav::VariablesEditor*> (view->getMainWidget()) : nullptr;
    }

    /** The text field of a setting in the editor, or nullptr. */
    gui::tav::TextValueEditor* fieldOf (const juce::String& setting)
    {
        auto* settings = editor();
        return settings != nullptr ? dynamic_cast<gui::tav::TextValueEditor*> (settings->getEditorOf (setting)) : nullptr;
    }

    /** Types a text into a setting's field and leaves it, as a person does;
        false when the setting has no field or refused the text. */
    bool typeInto (const juce::String& setting, const juce::String& text)
    {
        auto* field = fieldOf (setting);

        if (field == nullptr)
            return false;

        field->getTextEditor().setText (text, true);
        return field->commit();
    }

    /** Asks the program to quit as the framework does; the answer it gave,
        or nothing when it never answered. */
    std::optional<bool> requestQuit (bool mayAskUser)
    {
        std::optional<bool> answer;
        program.systemRequestedQuit (mayAskUser, [&answer] (bool shouldQuit) { answer = shouldQuit; });
        return answer;
    }

    TemporaryFolder folder;
    juce::File file = folder.get().getChildFile (juce::String::fromUTF8 ("Net Configuration \xc3\xa9t\xc3\xa9")).getChildFile ("TorvoNet.configuration");
    ScopedEnvironment location { "TORVO_NET_CONFIGURATION", file.getFullPathName() };

    StandaloneApplication standalone;
    juce::ScopedJuceInitialiser_GUI gui;
    gui::tav::TorvoNetConfiguratorProgram program;
};

} // namespace netconfiguratortest
