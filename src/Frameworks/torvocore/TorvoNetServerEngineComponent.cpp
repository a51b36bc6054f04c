#include "torvocore/TorvoNetServerEngineComponent.h"
#include <tavcore/Library.h>

namespace torvo
{

TorvoNetServerEngineComponent::TorvoNetServerEngineComponent()
{
    addMemberVariableObject (information, "information");
}

const tav::Class* TorvoNetServerEngineComponent::getStaticClass()
{
    return tav::getClass ("TorvoNetServerEngineComponent");
}

} // namespace torvo
