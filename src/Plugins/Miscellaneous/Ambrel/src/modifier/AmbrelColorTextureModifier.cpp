#include "modifier/AmbrelColorTextureModifier.h"
#include <pixcore/GraphicsContext.h>
#include <pixcore/Pixel3dBuffer.h>

namespace torvo
{

namespace
{
    bool isCdlVariable (const juce::String& name)
    {
        return name == "slope" || name == "offset" || name == "power" || name == "saturation";
    }
}

//==============================================================================
AmbrelColorTextureModifier::AmbrelColorTextureModifier()
    : slope ({ 1, 1, 1, 1 }), power ({ 1, 1, 1, 1 }), saturation (1.0),
      lutBuffer ("OwnedColor3dBuffer"), cdlActive (true)
{
    addMemberVariableObject (status, "status");
    addMemberVariableObject (device, "device");
    addMemberVariableObject (channel, "channel");
    addMemberVariableObject (slope, "slope");
    addMemberVariableObject (offset, "offset");
    addMemberVariableObject (power, "power");
    addMemberVariableObject (saturation, "saturation");
    addMemberVariableObject (lutUpdateCounter, "lutUpdateCounter");
    addMemberVariableObject (lutBuffer, "lutBuffer");
    addMemberVariableObject (cdlActive, "cdlActive");
    addMemberVariableObject (eventCallback, "eventCallback");
}

AmbrelColorTextureModifier::~AmbrelColorTextureModifier()
{
    detachFromDevice();
}

//==============================================================================
void AmbrelColorTextureModifier::getFriendlyNameDependencies (VariableDependencies& dependencies) const
{
    dependencies.add ("channel");
    ColorTextureModifier::getFriendlyNameDependencies (dependencies);
}

void AmbrelColorTextureModifier::applyVariableConstraints (tav::Object& variable, tav::ChangeCallback callback)
{
    if (isPartOfVariable (variable, "device"))
        refreshStatus (callback);

    ColorTextureModifier::applyVariableConstraints (variable, callback);
}

juce::String AmbrelColorTextureModifier::getAutomaticFriendlyName() const
{
    return channel.get().isEmpty() ? juce::String ("Ambrel") : "Ambrel " + channel.get();
}

bool AmbrelColorTextureModifier::isVariableEditable (size_t variableIndex) const
{
    const auto name = getMemberVariableName (variableIndex);

    if (name == "status" || isCdlVariable (name))
        return false;

    return ColorTextureModifier::isVariableEditable (variableIndex);
}

bool AmbrelColorTextureModifier::isVariableVisible (size_t variableIndex, VariableDependencies& dependencies) const
{
    dependencies.add ("cdlActive");

    if (isCdlVariable (getMemberVariableName (variableIndex)))
        return cdlActive.get();

    return ColorTextureModifier::isVariableVisible (variableIndex, dependencies);
}

bool AmbrelColorTextureModifier::shouldIncrementNumChanges (size_t variableIndex) const
{
    const auto name = getMemberVariableName (variableIndex);

    if (name == "lutBuffer" || name == "lutUpdateCounter")
        return true;

    return ColorTextureModifier::shouldIncrementNumChanges (variableIndex);
}

juce::int64 AmbrelColorTextureModifier::computeVersion() const
{
    auto version = ColorTextureModifier::computeVersion() + (juce::int64) lutUpdateCounter.get();

    if (auto* attached = dynamic_cast<AmbrelDevice*> (attachedDevice.get()); attached != nullptr && heldChannel != nullptr)
        version += attached->channelVersionSum (*heldChannel);

    return version;
}

//==============================================================================
void AmbrelColorTextureModifier::unload()
{
    detachFromDevice();
    ColorTextureModifier::unload();
}

bool AmbrelColorTextureModifier::activate()
{
    if (auto* selected = findSelectedDevice(); selected != nullptr && heldChannel == nullptr)
        attachToDevice (*selected);

    refreshStatus (tav::ChangeCallback::notify());
    return true;
}

bool AmbrelColorTextureModifier::modify (CompositingData& data)
{
    const bool rendered = ColorTextureModifier::modify (data);

    // A failure to render is the first thing the status tells, and it must
    // go as soon as rendering works again.
    if (rendered == renderFailed)
    {
        renderFailed = ! rendered;
        refreshStatus (tav::ChangeCallback::notify());
    }

    if (! rendered)
        return false;

    if (auto* selected = findSelectedDevice(); selected == nullptr)
        detachFromDevice();
    else if (needsReattaching (*selected))
        attachToDevice (*selected);

    auto& graphics = *getGraphics();

    if (auto* buffer = getLutBuffer(); buffer != nullptr && (juce::int64) lutUpdateCounter.get() != uploadedLutCounter)
    {
        uploadLutTexture (graphics, *buffer);
        uploadedLutCounter = (juce::int64) lutUpdateCounter.get();
    }
    else if (lutTexture == nullptr)
    {
        bindEmptyLut (graphics);
    }

    setShaderParameters();
    return true;
}

void AmbrelColorTextureModifier::setShaderParameters()
{
    auto& shader = getShader();
    const auto silent = tav::ChangeCallback::none();
    shader.offset.set (offset.get(), silent);
    shader.power.set (power.get(), silent);
    shader.slope.set (slope.get(), silent);
    shader.saturation.set (saturation.get(), silent);

    // Without a LUT there is nothing else to apply than the CDL.
    shader.cdlActive.set (cdlActive.get() || getLutBuffer() == nullptr ? 1.0 : 0.0, silent);
}

//==============================================================================
AmbrelDevice* AmbrelColorTextureModifier::findSelectedDevice() const
{
    auto* engine = getEngine();
    return engine != nullptr ? device.getTypedDevice (*engine) : nullptr;
}

graphics::OwnedColor3dBuffer* AmbrelColorTextureModifier::getLutBuffer() const
{
    return dynamic_cast<graphics::OwnedColor3dBuffer*> (lutBuffer.get());
}

bool AmbrelColorTextureModifier::needsReattaching (const AmbrelDevice& selected) const
{
    return heldChannel == nullptr || attachedDevice.get() != &selected || channel.get() != acquiredChannelName;
}

//==============================================================================
void AmbrelColorTextureModifier::uploadLutTexture (graphics::GraphicsContext& graphics,
                                                   const graphics::OwnedColor3dBuffer& buffer)
{
    lutTexture = graphics.createPixel3dBuffer (buffer, false);
    lutTexture->update();

    auto& sampler = getShader().lutSampler;
    sampler.setTexture (lutTexture);
    auto& parameters = sampler.getSamplingParameters();
    parameters.setFilter (true);
    parameters.setAddressing (3);
    parameters.setNumLevels (1);
}

void AmbrelColorTextureModifier::bindEmptyLut (graphics::GraphicsContext& graphics)
{
    // The GPU copy keeps its texels when this buffer goes; the sampler then
    // always has a texture, even before the first LUT.
    graphics::OwnedColor3dBuffer empty;

    if (empty.resize (graphics::PixelFormat::rgbaFloat(), 1, 1, 1).wasOk())
        uploadLutTexture (graphics, empty);
}

} // namespace torvo
