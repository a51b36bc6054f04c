#pragma once

#include "torvocore/ControllerIdentifier.h"
#include <memory>
#include <mutex>
#include <vector>

namespace torvo
{

//==============================================================================
/** One control change kept for later delivery, holding copies of what the
    sender's identifier and value were when it was sent. */
struct QueuedControlNotification
{
    std::unique_ptr<ControllerIdentifier> identifier;
    std::unique_ptr<tav::Object> value;
    double timeInSeconds = 0.0;
    bool isNewValue = false;
};

//==============================================================================
/**
    Control changes sent on any thread, waiting for the thread that delivers
    them. The sender's objects live only for its call, so each is copied
    through its class and state; an object whose class is not registered
    cannot be copied and its notification is dropped.
*/
class ControlNotificationQueue
{
public:
    /** Copies and appends a change; false when it could not be copied. */
    bool push (const ControllerIdentifier& identifier, const tav::Object& value, double timeInSeconds, bool isNewValue);

    /** Takes every queued change out, oldest first. */
    std::vector<QueuedControlNotification> takeAll();

private:
    std::mutex mutex;
    std::vector<QueuedControlNotification> pending;
};

} // namespace torvo
