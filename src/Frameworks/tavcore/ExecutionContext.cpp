#include "tavcore/ExecutionContext.h"

namespace tav
{

namespace
{
    thread_local ExecutionContext* currentContext = nullptr;

    ExecutionContext& getThreadDefaultContext()
    {
        thread_local ExecutionContext defaultContext;
        return defaultContext;
    }
}

ExecutionContext::ExecutionContext() = default;
ExecutionContext::~ExecutionContext() = default;

ExecutionContext& ExecutionContext::get()
{
    return currentContext != nullptr ? *currentContext : getThreadDefaultContext();
}

ExecutionContext& ExecutionContext::getThreadDefault()
{
    return getThreadDefaultContext();
}

void ExecutionContext::information (const juce::String& text, const Object* object)
{
    sendMessage (MessageLevel::information, text, object);
}

void ExecutionContext::warning (const juce::String& text, const Object* object)
{
    sendMessage (MessageLevel::warning, text, object);
}

void ExecutionContext::error (const juce::String& text, const Object* object)
{
    sendMessage (MessageLevel::error, text, object);
}

void ExecutionContext::sendMessage (MessageLevel level, const juce::String& text, const Object* object)
{
    const ExecutionMessage message { level, text, object, juce::Time::getCurrentTime() };
    const juce::ScopedLock sl (lock);

    for (auto& view : views)
        view->messageReceived (message);
}

bool ExecutionContext::askQuestion (const juce::String& question, const juce::String& firstAnswer,
                                    const juce::String& secondAnswer, std::function<void (bool)> completion,
                                    const juce::String& extraText)
{
    auto answer = false;

    {
        const juce::ScopedLock sl (lock);

        for (auto& view : views)
        {
            if (const auto given = view->askQuestion (question, firstAnswer, secondAnswer, extraText))
            {
                answer = *given;
                break;
            }
        }
    }

    if (completion != nullptr)
        completion (answer);

    return answer;
}

void ExecutionContext::addView (std::unique_ptr<ExecutionContextView> view)
{
    const juce::ScopedLock sl (lock);
    views.push_back (std::move (view));
}

std::unique_ptr<ExecutionContextView> ExecutionContext::removeView (ExecutionContextView* view)
{
    const juce::ScopedLock sl (lock);

    for (auto it = views.begin(); it != views.end(); ++it)
    {
        if (it->get() == view)
        {
            auto removed = std::move (*it);
            views.erase (it);
            return removed;
        }
    }

    return nullptr;
}

int ExecutionContext::getNumViews() const
{
    const juce::ScopedLock sl (lock);
    return (int) views.size();
}

//==============================================================================
ExecutionContext::ScopedCurrent::ScopedCurrent (ExecutionContext& context)
    : previous (currentContext)
{
    currentContext = &context;
}

ExecutionContext::ScopedCurrent::~ScopedCurrent()
{
    currentContext = previous;
}

} // namespace tav
