#include "tavview/DialogExecutionContextView.h"

#include <memory>

namespace gui::tav
{

namespace
{
    constexpr int firstAnswerResult = 1, secondAnswerResult = 2;

    /** A dialog whose accessible description is its text, which is what a
        screen reader (and a test) reads of it. */
    std::unique_ptr<juce::AlertWindow> makeDialog (const juce::String& title, const juce::String& text,
                                                   juce::MessageBoxIconType icon)
    {
        auto window = std::make_unique<juce::AlertWindow> (title, text, icon);
        window->setDescription (text);
        return window;
    }

    std::unique_ptr<juce::AlertWindow> makeQuestionWindow (const juce::String& title, const juce::String& question,
                                                           const juce::String& firstAnswer, const juce::String& secondAnswer,
                                                           const juce::String& extraText)
    {
        auto window = makeDialog (title, question, juce::MessageBoxIconType::QuestionIcon);

        if (extraText.isNotEmpty())
            window->addTextBlock (extraText);

        window->addButton (firstAnswer, firstAnswerResult, juce::KeyPress (juce::KeyPress::returnKey));
        window->addButton (secondAnswer, secondAnswerResult, juce::KeyPress (juce::KeyPress::escapeKey));
        return window;
    }

    /** A question shown by the message thread for another thread, which
        waits for the answer; shared, since either side may finish first. */
    struct PendingAnswer
    {
        juce::WaitableEvent answered;
        std::atomic<bool> first { false };
    };
}

DialogExecutionContextView::DialogExecutionContextView (const juce::String& dialogTitle)
    : title (dialogTitle)
{
}

void DialogExecutionContextView::messageReceived (const ::tav::ExecutionMessage& message)
{
    if (message.level != ::tav::MessageLevel::error)
        return;

    juce::MessageManager::callAsync ([heading = title, text = message.text]
    {
        auto* window = makeDialog (heading, text, juce::MessageBoxIconType::WarningIcon).release();
        window->addButton ("OK", 0, juce::KeyPress (juce::KeyPress::returnKey), juce::KeyPress (juce::KeyPress::escapeKey));
        window->enterModalState (true, nullptr, true);
    });
}

std::optional<bool> DialogExecutionContextView::askQuestion (const juce::String& question, const juce::String& firstAnswer,
                                                             const juce::String& secondAnswer, const juce::String& extraText)
{
    auto* messageManager = juce::MessageManager::getInstanceWithoutCreating();

    if (messageManager == nullptr)
        return std::nullopt;

    if (messageManager->isThisTheMessageThread())
    {
        auto window = makeQuestionWindow (title, question, firstAnswer, secondAnswer, extraText);
        return window->runModalLoop() == firstAnswerResult;
    }

    auto pending = std::make_shared<PendingAnswer>();
    const auto posted = juce::MessageManager::callAsync ([=, heading = title]
    {
        auto* window = makeQuestionWindow (heading, question, firstAnswer, secondAnswer, extraText).release();
        window->enterModalState (true, juce::ModalCallbackFunction::create ([pending] (int result)
        {
            pending->first = result == firstAnswerResult;
            pending->answered.signal();
        }), true);
    });

    if (! posted)
        return std::nullopt;

    pending->answered.wait();
    return pending->first.load();
}

} // namespace gui::tav
