#include "StandInGradeElement.h"
#include <tavcore/Library.h>

namespace standin
{

StandInGainModifier::StandInGainModifier()
{
    addMemberVariableObject (gain, "gain");
}

//==============================================================================
class StandInGradeElement::ChangeListener : public torvo::ControlEventListener
{
public:
    explicit ChangeListener (StandInGradeElement& e) : element (e) {}

    juce::String getClassName() const override    { return "StandInGradeListener"; }

    void controllerChanged (torvo::ControlDevice&, const torvo::ControllerIdentifier& identifier, const tav::Object& value,
                            double, bool) override
    {
        element.controllerChanged (identifier, value);
    }

private:
    StandInGradeElement& element;
};

//==============================================================================
StandInGradeElement::StandInGradeElement()
    : listener (std::make_unique<ChangeListener> (*this))
{
    addMemberVariableObject (status, "status");
    addMemberVariableObject (device, "device");
    addMemberVariableObject (channel, "channel");
    addMemberVariableObject (gain, "gain");
    addMemberVariableObject (note, "note");
}

StandInGradeElement::~StandInGradeElement()
{
    deactivate();
}

bool StandInGradeElement::activate()
{
    auto* engine = getEngine();
    auto* found = engine != nullptr ? device.getDevice (*engine) : nullptr;
    const auto* controlClass = tav::Library::getRootLibrary().findClass ("ControlDevice");

    if (found != nullptr && found->isInstanceOf (controlClass))
    {
        followed = static_cast<torvo::ControlDevice*> (found);
        followed->addControlEventListener (listener.get());
    }

    return ColorTextureModifier::activate();
}

void StandInGradeElement::deactivate()
{
    if (followed != nullptr)
        followed->removeControlEventListener (listener.get());

    followed = nullptr;
}

void StandInGradeElement::getFriendlyNameDependencies (torvo::VariableDependencies& dependencies) const
{
    dependencies.add ("channel");
}

bool StandInGradeElement::modify (torvo::CompositingData& data)
{
    frameThread = std::this_thread::get_id();
    ++renders;
    getShader().gain.set (gain.get(), tav::ChangeCallback::none());
    const auto rendered = ColorTextureModifier::modify (data);

    // Silently: the status is what the host reads, not what it renders.
    status.set (describe (rendered), tav::ChangeCallback::none());
    return rendered;
}

void StandInGradeElement::controllerChanged (const torvo::ControllerIdentifier& identifier, const tav::Object& value)
{
    if (frameThread.load() != std::this_thread::get_id())
        heardOnForeignThread = true;

    const auto text = value.saveState().getText();

    if (identifier.toString() == "gain")
        gain.set (text.getDoubleValue(), tav::ChangeCallback::notify());
    else if (identifier.toString() == "note")
        note.set (text, tav::ChangeCallback::notify());
}

juce::String StandInGradeElement::describe (bool rendered) const
{
    if (heardOnForeignThread)
        return "a change arrived on a thread other than the frames'";

    if (! rendered)
        return getFailureStatus().getErrorMessage();

    return "gain " + juce::String (gain.get()) + (note.get().isEmpty() ? juce::String() : ", " + note.get())
           + " (render " + juce::String (renders) + ")";
}

} // namespace standin
