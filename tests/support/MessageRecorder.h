#pragma once

// Header-only, for the tests that link tavcore.
#include <tavcore/ExecutionContext.h>
#include <tavcore/RecordingExecutionContextView.h>
#include <memory>

//==============================================================================
/**
    Records the messages sent to an execution context (the calling thread's
    unless another is given) while it lives. Declare it after the context it
    records, so that it ends first.
*/
class MessageRecorder
{
public:
    explicit MessageRecorder (tav::ExecutionContext& contextToRecord = tav::ExecutionContext::get())
        : context (contextToRecord)
    {
        auto owned = std::make_unique<tav::RecordingExecutionContextView>();
        view = owned.get();
        context.addView (std::move (owned));
    }

    ~MessageRecorder()                                      { context.removeView (view); }

    /** The messages so far. */
    std::vector<tav::ExecutionMessage> getMessages() const  { return view->getMessages(); }

    /** The messages so far, prefixed as the console shows them. */
    juce::StringArray getLines() const                      { return view->getLines(); }

    /** The message texts so far, without prefixes, one per line. */
    juce::String getText() const
    {
        juce::StringArray texts;

        for (const auto& message : view->getMessages())
            texts.add (message.text);

        return texts.joinIntoString ("\n");
    }

    /** The number of error messages so far. */
    int countErrors() const
    {
        int count = 0;

        for (const auto& message : view->getMessages())
            count += message.level == tav::MessageLevel::error ? 1 : 0;

        return count;
    }

    /** Forgets the messages so far. */
    void clear()                                            { view->clear(); }

private:
    tav::ExecutionContext& context;
    tav::RecordingExecutionContextView* view = nullptr;

    JUCE_DECLARE_NON_COPYABLE (MessageRecorder)
};
