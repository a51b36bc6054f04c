#include "TavViewFixture.h"

#include <tavview/DialogExecutionContextView.h>

#include <atomic>

using namespace tavviewtest;

namespace
{

/** Clicks a dialog's button as a person would, and says whether it had one. */
bool clickButton (juce::AlertWindow& dialog, const juce::String& text)
{
    for (auto* child : dialog.getChildren())
    {
        if (auto* button = dynamic_cast<juce::Button*> (child); button != nullptr && button->getButtonText() == text)
        {
            button->triggerClick();
            return true;
        }
    }

    return false;
}

class Dialogs : public TavViewFixture
{
protected:
    void SetUp() override
    {
        TavViewFixture::SetUp();
        context.addView (std::make_unique<gui::tav::DialogExecutionContextView> ("Tav View Test"));
    }

    void TearDown() override
    {
        if (auto* dialog = findDialog())
            dialog->exitModalState (0);

        TavViewFixture::TearDown();
    }

    /** Once a dialog shows, checks its text, keeps its picture and clicks
        one of its buttons; runs from inside the asker's modal loop. */
    void answerWhenShown (const juce::String& expectedText, const juce::String& answer, const juce::String& screenshot = {})
    {
        juce::Timer::callAfterDelay (20, [this, expectedText, answer, screenshot] { tryAnswer (expectedText, answer, screenshot); });
    }

    void tryAnswer (const juce::String& expectedText, const juce::String& answer, const juce::String& screenshot)
    {
        auto* dialog = findDialog();

        if (dialog == nullptr)
            return answerWhenShown (expectedText, answer, screenshot);

        seenText = dialog->getDescription();

        if (screenshot.isNotEmpty())
            saveScreenshot (*dialog, screenshot);

        clicked = clickButton (*dialog, answer);
    }

    tav::ExecutionContext context;
    juce::String seenText;
    bool clicked = false;
};

} // namespace

//==============================================================================
TEST_F (Dialogs, AQuestionOnTheMessageThreadWaitsForTheAnswerClicked)
{
    struct Case { const char* answer; bool expected; };

    for (const auto& c : { Case { "Yes", true }, Case { "No", false } })
    {
        clicked = false;
        answerWhenShown ("Unable to save configuration.\nExit anyway?", c.answer,
                         c.expected ? "tavview-question.png" : juce::String());
        std::atomic<int> completions { 0 };

        const auto answer = context.askQuestion ("Unable to save configuration.\nExit anyway?", "Yes", "No",
                                                 [&] (bool given) { completions += given == c.expected ? 1 : 100; }, {});

        EXPECT_TRUE (clicked) << c.answer;
        EXPECT_EQ (answer, c.expected) << c.answer;
        EXPECT_EQ (completions, 1) << "the completion hears the same answer, once";
        EXPECT_EQ (seenText, "Unable to save configuration.\nExit anyway?");
        EXPECT_TRUE (dispatchUntil ([] { return findDialog() == nullptr; })) << "the dialog stayed";
    }
}

TEST_F (Dialogs, AQuestionFromAnotherThreadIsShownByTheMessageThread)
{
    std::atomic<int> answer { -1 };
    juce::Thread::launch ([&] { answer = context.askQuestion ("Restart Torvo Boot?", "Restart", "Keep", nullptr, {}) ? 1 : 0; });

    ASSERT_TRUE (dispatchUntil ([] { return findDialog() != nullptr; })) << "no dialog for the other thread";
    EXPECT_EQ (findDialog()->getDescription(), "Restart Torvo Boot?");
    EXPECT_EQ (answer, -1) << "the asker did not wait";
    ASSERT_TRUE (clickButton (*findDialog(), "Keep"));

    ASSERT_TRUE (dispatchUntil ([&] { return answer >= 0; })) << "the asker never heard the answer";
    EXPECT_EQ (answer, 0);
}

TEST_F (Dialogs, ErrorsShowInADialogWarningsAndInformationDoNot)
{
    context.information ("loaded");
    context.warning ("slow");
    juce::Thread::launch ([&] { context.error ("\"notepad.exe\" is not an absolute path"); });

    ASSERT_TRUE (dispatchUntil ([] { return findDialog() != nullptr; })) << "no dialog for the error";
    EXPECT_EQ (findDialog()->getDescription(), "\"notepad.exe\" is not an absolute path");
    ASSERT_TRUE (saveScreenshot (*findDialog(), "tavview-error.png"));
    ASSERT_TRUE (clickButton (*findDialog(), "OK"));
    EXPECT_TRUE (dispatchUntil ([] { return findDialog() == nullptr; }));
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    EXPECT_EQ (findDialog(), nullptr) << "a dialog for a warning or information";
}

TEST_F (Dialogs, WithNobodyToAskTheCautiousAnswerIsGiven)
{
    tav::ExecutionContext console;
    bool heard = true;
    EXPECT_FALSE (console.askQuestion ("Exit anyway?", "Yes", "No", [&] (bool given) { heard = given; }, {}));
    EXPECT_FALSE (heard);
}
