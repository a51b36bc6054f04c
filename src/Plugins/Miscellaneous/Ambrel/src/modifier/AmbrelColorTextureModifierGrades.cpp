#include "modifier/AmbrelColorTextureModifier.h"
#include "AmbrelClasses.h"
#include "device/AmbrelCdlData.h"
#include "device/AmbrelCdlIdentifier.h"
#include "device/AmbrelLutIdentifier.h"
#include "device/AmbrelSessionIdentifier.h"
#include <cstring>

// How the element follows its channel: holding it on the device, taking the
// grades the device announces and copying a LUT out of the channel.
namespace torvo
{

namespace
{
    bool isOfClass (const tav::Object& object, const tav::Class* c)
    {
        return c != nullptr && object.isInstanceOf (c);
    }

    /** The values of a CDL notification. */
    CdlValues readCdlData (const AmbrelCdlData& data)
    {
        CdlValues cdl;
        const graphics::Vector4dComponents* vectors[] = { &data.slope.get(), &data.offset.get(), &data.power.get() };
        double* targets[] = { cdl.slope, cdl.offset, cdl.power };

        for (size_t v = 0; v < 3; ++v)
        {
            targets[v][0] = vectors[v]->x;
            targets[v][1] = vectors[v]->y;
            targets[v][2] = vectors[v]->z;
        }

        cdl.saturation = data.saturation.get();
        return cdl;
    }
}

//==============================================================================
void AmbrelColorTextureModifier::attachToDevice (AmbrelDevice& newDevice)
{
    // Acquiring before releasing keeps the channel (and its grade) alive
    // when the name stays the same.
    auto name = channel.get();
    auto state = newDevice.acquireChannel (name);
    detachFromDevice();

    heldChannel = std::move (state);
    channel.set (name, tav::ChangeCallback::notify());
    acquiredChannelName = name;
    attachedDevice.set (&newDevice, tav::ChangeCallback::none());
    lutSeenVersion = 0;
    newDevice.addControlEventListener (&eventCallback);

    juce::uint64 cdlSeenVersion = 0;
    CdlValues cdl;

    if (newDevice.readCdlIfChanged (*heldChannel, cdlSeenVersion, cdl))
        applyCdlValues (cdl);

    if (newDevice.isLutActive (*heldChannel))
        pullLut();

    refreshStatus (tav::ChangeCallback::notify());
}

void AmbrelColorTextureModifier::detachFromDevice()
{
    if (auto* attached = dynamic_cast<AmbrelDevice*> (attachedDevice.get()))
    {
        if (heldChannel != nullptr)
            attached->releaseChannel (acquiredChannelName);

        attached->removeControlEventListener (&eventCallback);
    }

    heldChannel.reset();
    attachedDevice.set (nullptr, tav::ChangeCallback::none());
}

//==============================================================================
void AmbrelColorTextureModifier::applyCdlValues (const CdlValues& cdl)
{
    // The shader computes in single precision; the shown values say so.
    const auto notify = tav::ChangeCallback::notify();
    const auto toFloat = [] (double v) { return (double) (float) v; };
    const auto& s = cdl.slope;
    const auto& o = cdl.offset;
    const auto& p = cdl.power;

    slope.set ({ toFloat (s[0]), toFloat (s[1]), toFloat (s[2]), 1.0 }, notify);
    offset.set ({ toFloat (o[0]), toFloat (o[1]), toFloat (o[2]), 0.0 }, notify);
    power.set ({ toFloat (p[0]), toFloat (p[1]), toFloat (p[2]), 1.0 }, notify);
    saturation.set (cdl.saturation, notify);
    cdlActive.set (true, notify);
}

void AmbrelColorTextureModifier::pullLut()
{
    cdlActive.set (false, tav::ChangeCallback::notify());

    auto* attached = dynamic_cast<AmbrelDevice*> (attachedDevice.get());

    if (attached == nullptr || heldChannel == nullptr)
        return;

    std::vector<juce::uint8> texels;
    juce::int32 size = 0;

    if (attached->readLutIfChanged (*heldChannel, lutSeenVersion, texels, size))
        storeLut (texels, size);
}

void AmbrelColorTextureModifier::storeLut (const std::vector<juce::uint8>& texels, juce::int32 size)
{
    // The host reads the buffer at the next frame; telling anybody now would
    // only count the change twice.
    const auto silent = tav::ChangeCallback::none();
    auto* buffer = getLutBuffer();

    if (buffer == nullptr || buffer->getDepth() != size)
    {
        auto replacement = std::make_unique<graphics::OwnedColor3dBuffer>();

        if (replacement->resize (graphics::PixelFormat::rgbaFloat(), size, size, size).failed())
            return;

        buffer = replacement.get();
        lutBuffer.set (std::move (replacement), silent);
    }

    std::memcpy (buffer->getWritablePixelData(), texels.data(), juce::jmin (texels.size(), buffer->getNumBytes()));
    lutUpdateCounter.increment (silent);
}

//==============================================================================
void AmbrelColorTextureModifier::handleControlEvent (const ControllerIdentifier& identifier, const tav::Object& value)
{
    if (isOfClass (identifier, AmbrelChannelIdentifierClass<AmbrelCdlIdentifier>::instance))
    {
        const auto& cdlIdentifier = static_cast<const AmbrelCdlIdentifier&> (identifier);

        if (cdlIdentifier.getChannel().get() == channel.get() && isOfClass (value, AmbrelCdlDataClass::instance))
            applyCdlValues (readCdlData (static_cast<const AmbrelCdlData&> (value)));
    }
    else if (isOfClass (identifier, AmbrelChannelIdentifierClass<AmbrelLutIdentifier>::instance))
    {
        if (static_cast<const AmbrelLutIdentifier&> (identifier).getChannel().get() == channel.get())
            pullLut();
    }
    else if (isOfClass (identifier, tav::ClassOf<AmbrelSessionIdentifier>::instance))
    {
        refreshStatus (tav::ChangeCallback::notify());
    }
}

} // namespace torvo
