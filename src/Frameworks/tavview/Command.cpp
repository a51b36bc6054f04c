#include "tavview/Command.h"

namespace gui::tav
{

ObjectCommand::ObjectCommand (::tav::Object* commandTarget, const juce::String& commandName)
    : target (commandTarget),
      token (commandTarget != nullptr ? commandTarget->getLifetimeToken() : std::weak_ptr<::tav::Object*>()),
      name (commandName)
{
    addMemberVariableObject (enabled, "enabled");
}

} // namespace gui::tav
