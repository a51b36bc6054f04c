#include "modifier/AmbrelColorTextureModifier.h"

// The element's one-line status: what the user has to do when grades do
// not arrive.
namespace torvo
{

namespace
{
    const juce::String errorPrefix = juce::String::fromUTF8 ("\xe2\x9d\x8c ");                  // U+274C
    const juce::String warningPrefix = juce::String::fromUTF8 ("\xe2\x9a\xa0\xef\xb8\x8f ");    // U+26A0 U+FE0F

    juce::String describePickup (AmbrelDevice::PickupState state)
    {
        switch (state)
        {
            case AmbrelDevice::PickupState::NoClient:
                return errorPrefix + "Disconnected - go in Ambrel and connect to this device";
            case AmbrelDevice::PickupState::NotPickedUp:
                return warningPrefix + "Ambrel hasn't picked up this channel yet - disconnect then reconnect the device in Ambrel";
            case AmbrelDevice::PickupState::PickedUp:
                break;
        }

        return "Connected";
    }
}

void AmbrelColorTextureModifier::refreshStatus (tav::ChangeCallback callback)
{
    if (! isObjectInitialized())
        return;

    if (const auto text = computeStatusText(); text != status.get())
        status.set (text, callback);
}

juce::String AmbrelColorTextureModifier::computeStatusText() const
{
    // Grades that arrive are of no use while nothing renders.
    if (renderFailed && getFailureStatus().failed())
        return errorPrefix + getFailureStatus().getErrorMessage();

    auto* engine = getEngine();

    if (engine == nullptr || (device.getDevice (*engine) == nullptr && device.getDeviceName().get().isEmpty()))
        return errorPrefix + "No selected Ambrel device";

    return computeDeviceStatusText (*engine);
}

juce::String AmbrelColorTextureModifier::computeDeviceStatusText (Engine& engine) const
{
    tav::SuccessStatus deviceStatus;

    if (! device.updateStatus (engine, deviceStatus, true))
        return (deviceStatus.isSuccess() ? warningPrefix : errorPrefix) + deviceStatus.getText();

    if (auto* selected = device.getTypedDevice (engine))
        return describePickup (selected->channelPickupState (channel.get()));

    return "Connected";
}

} // namespace torvo
