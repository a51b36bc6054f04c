#pragma once

#include <tavcore/Real.h>
#include <tavcore/String.h>
#include <torvocore/ColorTextureModifier.h>
#include <torvocore/ControlDevice.h>
#include <torvocore/DeviceSelector.h>
#include <atomic>
#include <thread>

namespace standin
{

//==============================================================================
/** Multiplies the colour channels by "gain". */
class StandInGainModifier : public torvo::ColorModifier
{
public:
    StandInGainModifier();

    juce::String getClassName() const override    { return "StandInGainModifier"; }

    tav::Real gain;
};

//==============================================================================
/**
    Registered under the grading element's class name, with the members the
    host sets (device, channel) and reads (status), so that the host's tests
    run it as they will run the real one. It follows the device its selector
    names: "gain" and "note" changes of the device set its variables of the
    same names. Its status says what it renders and how many frames it
    rendered, or that a change reached it on another thread than the one its
    frames run on.
*/
class StandInGradeElement : public torvo::ColorTextureModifier<StandInGainModifier>
{
public:
    StandInGradeElement();
    ~StandInGradeElement() override;

    juce::String getClassName() const override    { return "AmbrelColorTextureModifier"; }

    bool activate() override;
    void deactivate() override;
    bool modify (torvo::CompositingData& data) override;
    juce::String getAutomaticFriendlyName() const override    { return "Grade " + channel.get(); }
    void getFriendlyNameDependencies (torvo::VariableDependencies& dependencies) const override;

    tav::String status;
    torvo::DeviceSelector device;
    tav::String channel;
    tav::Real gain;
    tav::String note;

private:
    class ChangeListener;

    std::unique_ptr<ChangeListener> listener;
    torvo::ControlDevice* followed = nullptr;
    std::atomic<std::thread::id> frameThread {};
    std::atomic<bool> heardOnForeignThread { false };
    int renders = 0;

    void controllerChanged (const torvo::ControllerIdentifier& identifier, const tav::Object& value);
    juce::String describe (bool rendered) const;
};

} // namespace standin
