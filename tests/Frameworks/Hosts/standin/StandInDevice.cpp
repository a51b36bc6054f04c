#include "StandInDevice.h"
#include <tavcore/Library.h>

namespace standin
{

StandInControl::StandInControl (const juce::String& controlName)
{
    addMemberVariableObject (name, "name");
    name.set (controlName, tav::ChangeCallback::none());
}

const tav::Class* StandInControl::getValueClass() const
{
    return tav::Library::getRootLibrary().findClass ("String");
}

//==============================================================================
StandInDevice::~StandInDevice()
{
    deinitializeDevice();
}

bool StandInDevice::initializeDevice()
{
    if (! ControlDevice::initializeDevice())
        return false;

    sender = std::thread ([this] { sendScript(); });
    return true;
}

void StandInDevice::deinitializeDevice()
{
    {
        const std::lock_guard<std::mutex> guard (mutex);
        stopping = true;
    }

    frameSeen.notify_all();

    if (sender.joinable())
        sender.join();

    ControlDevice::deinitializeDevice();
}

void StandInDevice::update (const torvo::FrameInformation& frame)
{
    ControlDevice::update (frame);

    {
        const std::lock_guard<std::mutex> guard (mutex);
        ++framesSeen;
    }

    frameSeen.notify_all();
}

bool StandInDevice::waitForFrames (juce::int64 count)
{
    std::unique_lock<std::mutex> lock (mutex);
    const auto target = framesSeen + count;
    frameSeen.wait (lock, [&] { return stopping || framesSeen >= target; });
    return ! stopping;
}

void StandInDevice::sendScript()
{
    const std::pair<const char*, const char*> script[] = { { "gain", "2" }, { "gain", "3" }, { "note", "unchanged pixels" } };

    // Counted from after each send, so the change sent is delivered (at the
    // next update) before the frames of the next one start to count.
    for (auto& [control, value] : script)
    {
        if (! waitForFrames (10))
            return;

        sendControllerChangedNotification (StandInControl (control), tav::String (value), -1.0, true);
    }
}

//==============================================================================
bool StandInDeviceFactory::initializeFactory (juce::String& errorText)
{
    if (! DeviceFactory::initializeFactory (errorText))
        return false;

    getIdentifierSlot().set (std::make_unique<StandInDeviceIdentifier> (getName()), tav::ChangeCallback::notify());
    return true;
}

} // namespace standin
