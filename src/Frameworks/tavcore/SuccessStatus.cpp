#include "tavcore/SuccessStatus.h"

namespace tav
{

void SuccessStatus::setSuccess (const juce::String& remark, ChangeCallback)
{
    failed = false;
    text = remark;
}

void SuccessStatus::setError (const juce::String& errorText, ChangeCallback)
{
    failed = true;
    text = errorText;
}

} // namespace tav
