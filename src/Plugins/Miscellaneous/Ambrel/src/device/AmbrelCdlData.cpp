#include "device/AmbrelCdlData.h"

namespace torvo
{

AmbrelCdlData::AmbrelCdlData()
    : slope ({ 1.0, 1.0, 1.0, 1.0 }), power ({ 1.0, 1.0, 1.0, 1.0 })
{
    declareMembers();
}

AmbrelCdlData::AmbrelCdlData (const CdlValues& cdl)
    : slope ({ cdl.slope[0], cdl.slope[1], cdl.slope[2], 1.0 }),
      offset ({ cdl.offset[0], cdl.offset[1], cdl.offset[2], 0.0 }),
      power ({ cdl.power[0], cdl.power[1], cdl.power[2], 1.0 }),
      saturation (cdl.saturation)
{
    declareMembers();
}

void AmbrelCdlData::declareMembers()
{
    addMemberVariableObject (slope, "slope");
    addMemberVariableObject (offset, "offset");
    addMemberVariableObject (power, "power");
    addMemberVariableObject (saturation, "saturation");
}

} // namespace torvo
