#pragma once

#include <juce_core/juce_core.h>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tav
{

class Object;

//==============================================================================
/** How grave a diagnostic message is. */
enum class MessageLevel
{
    information,
    warning,
    error
};

/** One diagnostic message as the views of a context receive it. */
struct ExecutionMessage
{
    MessageLevel level;
    juce::String text;
    const Object* object;   /**< the object the message is about, or nullptr */
    juce::Time time;
};

//==============================================================================
/**
    Receives the messages of an execution context: a console printer, a log
    file, a test recorder, a window.
*/
class ExecutionContextView
{
public:
    virtual ~ExecutionContextView() = default;

    /** Called on the thread that sent the message. */
    virtual void messageReceived (const ExecutionMessage& message) = 0;

    /** Asks the user a question with two answers, on the thread that asks,
        and waits for the answer: true for the first answer. Views that
        cannot ask (consoles, logs) answer nothing, which is the default. */
    virtual std::optional<bool> askQuestion (const juce::String& question, const juce::String& firstAnswer,
                                             const juce::String& secondAnswer, const juce::String& extraText)
    {
        juce::ignoreUnused (question, firstAnswer, secondAnswer, extraText);
        return std::nullopt;
    }
};

//==============================================================================
/**
    Where a thread's diagnostics go.

    Every thread has a context of its own, created on first use; a tav::Thread
    whose updates are pumped by another thread makes its own context current
    for the span of each update, so its messages reach its views whichever
    thread runs it.
*/
class ExecutionContext
{
public:
    ExecutionContext();
    ~ExecutionContext();

    /** The calling thread's current context. */
    static ExecutionContext& get();

    /** The calling thread's own context: the one get() gives where no
        ScopedCurrent is active, as in a GUI's event callbacks. */
    static ExecutionContext& getThreadDefault();

    /** Sends an information message to every view. */
    void information (const juce::String& text, const Object* object = nullptr);

    /** Sends a warning message to every view. */
    void warning (const juce::String& text, const Object* object = nullptr);

    /** Sends an error message to every view. */
    void error (const juce::String& text, const Object* object = nullptr);

    /** Sends a message of any level to every view. */
    void sendMessage (MessageLevel level, const juce::String& text, const Object* object = nullptr);

    /** Asks the question through the first view that can ask it and waits
        for the answer: true for firstAnswer. With no view that can ask, the
        answer is the second one (false), the cautious choice. completion,
        when set, is called with the answer before this returns. The views
        stay locked while the question is open. */
    bool askQuestion (const juce::String& question, const juce::String& firstAnswer, const juce::String& secondAnswer,
                      std::function<void (bool)> completion, const juce::String& extraText);

    /** Attaches a view; the context owns it from now on. */
    void addView (std::unique_ptr<ExecutionContextView> view);

    /** Detaches and returns a view, or nullptr when it is not attached. */
    std::unique_ptr<ExecutionContextView> removeView (ExecutionContextView* view);

    /** The number of views attached. */
    int getNumViews() const;

    //==============================================================================
    /** Makes a context the calling thread's current one for the scope's span. */
    class ScopedCurrent
    {
    public:
        explicit ScopedCurrent (ExecutionContext& context);
        ~ScopedCurrent();

    private:
        ExecutionContext* previous;
        JUCE_DECLARE_NON_COPYABLE (ScopedCurrent)
    };

private:
    juce::CriticalSection lock;
    std::vector<std::unique_ptr<ExecutionContextView>> views;

    JUCE_DECLARE_NON_COPYABLE (ExecutionContext)
};

} // namespace tav
