#include "modifier/AmbrelColorModifier.h"

namespace torvo
{

AmbrelColorModifier::AmbrelColorModifier()
{
    addMemberVariableObject (slope, "slope");
    addMemberVariableObject (offset, "offset");
    addMemberVariableObject (power, "power");
    addMemberVariableObject (saturation, "saturation");
    addMemberVariableObject (cdlActive, "cdlActive");
    addMemberVariableObject (lutSampler, "lutSampler");
}

} // namespace torvo
