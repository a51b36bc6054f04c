#include "device/AmbrelLutInfo.h"

namespace torvo
{

AmbrelLutInfo::AmbrelLutInfo (juce::uint64 lutSize, const juce::String& lutDataType)
    : size (lutSize), dataType (lutDataType)
{
    addMemberVariableObject (size, "size");
    addMemberVariableObject (dataType, "dataType");
}

} // namespace torvo
