#include "modifier/AmbrelControlEventListener.h"
#include "AmbrelClasses.h"
#include "modifier/AmbrelColorTextureModifier.h"

namespace torvo
{

namespace
{
    AmbrelColorTextureModifier* findOwningElement (const tav::Object& listener)
    {
        const auto* elementClass = AmbrelColorTextureModifierClass::instance;

        for (auto* o = listener.getParent(); o != nullptr; o = o->getParent())
            if (elementClass != nullptr && o->isInstanceOf (elementClass))
                return static_cast<AmbrelColorTextureModifier*> (o);

        return nullptr;
    }
}

void AmbrelControlEventListener::controllerChanged (ControlDevice&, const ControllerIdentifier& identifier,
                                                    const tav::Object& value, double, bool)
{
    if (auto* element = findOwningElement (*this))
        element->handleControlEvent (identifier, value);
}

} // namespace torvo
