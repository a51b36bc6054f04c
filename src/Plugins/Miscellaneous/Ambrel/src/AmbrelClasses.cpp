#include "AmbrelClasses.h"
#include "device/AmbrelCdlData.h"
#include "device/AmbrelDevice.h"
#include "device/AmbrelDeviceFactory.h"
#include "device/AmbrelLutInfo.h"

namespace torvo
{

namespace
{
    /** A member variable whose default, when given, is made from state text
        under the context name "Class::variable::default". */
    void addVariable (tav::Class& c, const char* className, const char* typeName, const char* variableName,
                      const char* defaultText = nullptr)
    {
        auto& context = tav::ExecutionContext::get();
        tav::StateMap properties;

        if (defaultText != nullptr)
            properties.set ("default", tav::State::createFromStateString (context, defaultText,
                                                                          juce::String (className) + "::" + variableName + "::default"));

        c.addMemberVariable (context, typeName, variableName, false, properties);
    }

    void setTextAttribute (tav::Class& c, const char* className, const char* key, const char* stateText)
    {
        auto& context = tav::ExecutionContext::get();
        c.setAttribute (context, key, tav::Class::makeAttributeState (context, stateText, juce::String (className) + "::" + key));
    }
}

//==============================================================================
AmbrelCdlDataClass::AmbrelCdlDataClass() : ClassOf ("Object")
{
    addVariable (*this, "AmbrelCdlData", "Vector4d", "slope", "{x=1, y=1, z=1, w=1}");
    addVariable (*this, "AmbrelCdlData", "Vector4d", "offset");
    addVariable (*this, "AmbrelCdlData", "Vector4d", "power", "{x=1, y=1, z=1, w=1}");
    addVariable (*this, "AmbrelCdlData", "Real", "saturation", "1.0");
}

AmbrelCdlDataClass::~AmbrelCdlDataClass() = default;

//==============================================================================
AmbrelLutInfoClass::AmbrelLutInfoClass() : ClassOf ("Object")
{
    addVariable (*this, "AmbrelLutInfo", "PositiveInteger", "size");
    addVariable (*this, "AmbrelLutInfo", "String", "dataType");
}

AmbrelLutInfoClass::~AmbrelLutInfoClass() = default;

//==============================================================================
AmbrelDeviceClass::AmbrelDeviceClass() : ClassOf ("ControlDevice")
{
    setTextAttribute (*this, "AmbrelDevice", "friendlyName", "\"Ambrel\"");
}

AmbrelDeviceClass::~AmbrelDeviceClass() = default;

//==============================================================================
AmbrelDeviceFactoryClass::AmbrelDeviceFactoryClass() : ClassOf ("DeviceFactory")
{
    setTextAttribute (*this, "AmbrelDeviceFactory", "friendlyName", "\"Ambrel\"");
    setTextAttribute (*this, "AmbrelDeviceFactory", "deviceClass", "\"AmbrelDevice\"");
    setTextAttribute (*this, "AmbrelDeviceFactory", "deviceIdentifierClass", "\"AmbrelDeviceIdentifier\"");
}

AmbrelDeviceFactoryClass::~AmbrelDeviceFactoryClass() = default;

} // namespace torvo
