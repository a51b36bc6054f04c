#pragma once

#include <juce_core/juce_core.h>
#include "tavcore/ChangeCallback.h"

namespace tav
{

//==============================================================================
/**
    The outcome of an operation: success (an empty error text) or an error text.
*/
class SuccessStatus
{
public:
    /** A successful status. */
    SuccessStatus() = default;

    /** Marks the status as successful. A non-empty text is kept as a remark. */
    void setSuccess (const juce::String& remark, ChangeCallback callback);

    /** Marks the status as failed with the given error text. */
    void setError (const juce::String& errorText, ChangeCallback callback);

    /** True unless an error was set. */
    bool isSuccess() const noexcept              { return ! failed; }

    /** The error text, or the remark of a success. */
    const juce::String& getText() const noexcept { return text; }

private:
    bool failed = false;
    juce::String text;
};

} // namespace tav
