#pragma once

#include "device/AmbrelDevice.h"
#include "device/AmbrelDeviceSelector.h"
#include "modifier/AmbrelColorModifier.h"
#include "modifier/AmbrelControlEventListener.h"
#include <pixcore/OwnedColor3dBuffer.h>
#include <tavcore/Boolean.h>
#include <tavcore/EventCounter.h>
#include <tavcore/ObjectOwnedPointer.h>
#include <tavcore/ObjectWeakPointer.h>
#include <tavcore/String.h>
#include <torvocore/ColorTextureModifier.h>

namespace graphics { class GraphicsContext; class Pixel3dBuffer; }

namespace torvo
{

//==============================================================================
/**
    Applies the live grade of one grading channel to a texture: the CDL or
    the 3D LUT that the grading application sent last for that channel.

    The element holds its channel on the selected AmbrelDevice while it is
    attached, follows the device's notifications through its listener
    ("eventCallback") and copies a LUT from the channel only when its
    version moved; the GPU copy of the LUT is uploaded only when new texels
    were stored. "status" tells the user what to do when grades do not
    arrive; the element keeps rendering its last values meanwhile.

    The host calls the element, its listener included, from one thread at a
    time: the device announces changes on its connection threads, which the
    host hands over to its own update thread.
*/
class AmbrelColorTextureModifier : public ColorTextureModifier<AmbrelColorModifier>
{
public:
    AmbrelColorTextureModifier();
    ~AmbrelColorTextureModifier() override;

    juce::String getClassName() const override    { return "AmbrelColorTextureModifier"; }

    //==============================================================================
    /** The friendly name follows "channel". */
    void getFriendlyNameDependencies (VariableDependencies& dependencies) const override;

    /** A new device selection refreshes the status. */
    void applyVariableConstraints (tav::Object& variable, tav::ChangeCallback callback) override;

    /** "Ambrel", or "Ambrel " + the channel. */
    juce::String getAutomaticFriendlyName() const override;

    /** The status and the received CDL are shown, never edited. */
    bool isVariableEditable (size_t variableIndex) const override;

    /** The CDL values are shown only while the CDL is applied. */
    bool isVariableVisible (size_t variableIndex, VariableDependencies& dependencies) const override;

    /** New LUT texels change what the element renders, hidden as they are. */
    bool shouldIncrementNumChanges (size_t variableIndex) const override;

    /** Moves with the element's variables, each stored LUT and each grade
        that reaches the held channel. */
    juce::int64 computeVersion() const override;

    /** Lets go of the channel, then unloads the base. */
    void unload() override;

    /** Attaches to the selected device when no channel is held yet. */
    bool activate() override;

    /** Re-attaches when the device or the channel changed, uploads a newly
        stored LUT and sets the shader's parameters for this frame. */
    bool modify (CompositingData& data) override;

    //==============================================================================
    /** Takes one notification of the attached device: a CDL or a LUT for the
        element's channel, or a session change. */
    void handleControlEvent (const ControllerIdentifier& identifier, const tav::Object& value);

    //==============================================================================
    tav::String status;                 /**< what the user has to do, or "Connected" */
    AmbrelDeviceSelector device;
    tav::String channel;                /**< the grading channel; empty takes "channel-N" */
    graphics::Vector4d slope, offset, power;
    tav::Real saturation;
    tav::EventCounter lutUpdateCounter; /**< counts the LUTs stored in lutBuffer */
    tav::ObjectOwnedPointer lutBuffer;  /**< the current LUT, an OwnedColor3dBuffer */
    tav::Boolean cdlActive;             /**< true: the CDL is applied; false: the LUT */
    AmbrelControlEventListener eventCallback;

private:
    //==============================================================================
    AmbrelDevice* findSelectedDevice() const;
    graphics::OwnedColor3dBuffer* getLutBuffer() const;
    bool needsReattaching (const AmbrelDevice& selected) const;

    void attachToDevice (AmbrelDevice& newDevice);
    void detachFromDevice();
    void applyCdlValues (const CdlValues& cdl);
    void pullLut();
    void storeLut (const std::vector<juce::uint8>& texels, juce::int32 size);
    void uploadLutTexture (graphics::GraphicsContext& graphics, const graphics::OwnedColor3dBuffer& buffer);
    void bindEmptyLut (graphics::GraphicsContext& graphics);
    void setShaderParameters();
    void refreshStatus (tav::ChangeCallback callback);
    juce::String computeStatusText() const;
    juce::String computeDeviceStatusText (Engine& engine) const;

    //==============================================================================
    std::shared_ptr<ChannelState> heldChannel;
    tav::ObjectWeakPointer attachedDevice;
    juce::String acquiredChannelName;
    juce::uint64 lutSeenVersion = 0;
    juce::int64 uploadedLutCounter = -1;
    std::shared_ptr<graphics::Pixel3dBuffer> lutTexture;
    bool renderFailed = false;

    JUCE_DECLARE_NON_COPYABLE (AmbrelColorTextureModifier)
};

} // namespace torvo
