#pragma once

#include <gtest/gtest.h>
#include <pixcore/Sampler3d.h>
#include <pixcore/Vector4d.h>
#include <tavcore/Boolean.h>
#include <tavcore/Real.h>
#include <tavcore/String.h>
#include <torvocore/ColorTextureModifier.h>
#include <torvocore/ControlDevice.h>
#include <torvocore/DeviceSelector.h>

// Small classes shaped like a plug-in's: an element with a name that
// follows a variable and variables shown by mode, colour modifiers with
// their shader text, and the colour texture modifiers that run them.
namespace torvotest
{

/** Registers the pixcore, torvocore and test classes once per process. */
void registerTestClassesOnce();

//==============================================================================
class NamedElement : public torvo::Element
{
public:
    NamedElement();

    juce::String getClassName() const override    { return "TestNamedElement"; }

    juce::String getAutomaticFriendlyName() const override;
    void getFriendlyNameDependencies (torvo::VariableDependencies& dependencies) const override;
    bool isVariableVisible (size_t variableIndex, torvo::VariableDependencies& dependencies) const override;
    void applyVariableConstraints (tav::Object& variable, tav::ChangeCallback callback) override;

    tav::String title;
    tav::Boolean detailed;
    tav::Real gain;
    tav::Real scratch;
    torvo::DeviceSelector device;

    int selectorChanges = 0;
};

//==============================================================================
/** A modifier computing colour * gain + bias + the texel of the 1x1x1
    volume "offsets"; "spare" is a field the code never reads and "note"
    has no field at all. */
class GainBiasModifier : public torvo::ColorModifier
{
public:
    GainBiasModifier();

    juce::String getClassName() const override    { return "TestGainBiasModifier"; }

    graphics::Vector4d gain;
    tav::Real bias;
    tav::Real spare;
    tav::String note;
    graphics::Sampler3d offsets;
};

class GainBiasElement : public torvo::ColorTextureModifier<GainBiasModifier>
{
public:
    juce::String getClassName() const override    { return "TestGainBiasElement"; }
};

//==============================================================================
/** A modifier whose shader reads a name nobody declared, on line 4. */
class BrokenModifier : public torvo::ColorModifier
{
public:
    juce::String getClassName() const override    { return "TestBrokenModifier"; }
};

class BrokenElement : public torvo::ColorTextureModifier<BrokenModifier>
{
public:
    juce::String getClassName() const override    { return "TestBrokenElement"; }
};

//==============================================================================
/** A modifier that paints every pixel with the host's rendering gamma. */
class GammaProbeModifier : public torvo::ColorModifier
{
public:
    juce::String getClassName() const override    { return "TestGammaProbeModifier"; }
};

class GammaProbeElement : public torvo::ColorTextureModifier<GammaProbeModifier>
{
public:
    juce::String getClassName() const override    { return "TestGammaProbeElement"; }
};

//==============================================================================
class TestDevice : public torvo::Device
{
public:
    juce::String getClassName() const override    { return "TestDevice"; }
};

//==============================================================================
/** A control named by its "name" variable, sending strings. */
class TestControllerIdentifier : public torvo::ControllerIdentifier
{
public:
    explicit TestControllerIdentifier (const juce::String& controlName = {});

    juce::String getClassName() const override    { return "TestControllerIdentifier"; }
    juce::String toString() const override        { return name.get(); }
    const tav::Class* getValueClass() const override;

    tav::String name;
};

class TestControlDevice : public torvo::ControlDevice
{
public:
    juce::String getClassName() const override    { return "TestControlDevice"; }
};

} // namespace torvotest
