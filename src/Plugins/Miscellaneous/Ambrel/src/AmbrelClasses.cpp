#include "AmbrelClasses.h"
#include "device/AmbrelCdlData.h"
#include "device/AmbrelDevice.h"
#include "device/AmbrelDeviceFactory.h"
#include "device/AmbrelLutInfo.h"
#include "modifier/AmbrelColorModifier.h"
#include "modifier/AmbrelColorTextureModifier.h"
#include "modifier/AmbrelShaderSource.h"

namespace torvo
{

namespace
{
    /** A member variable whose default, when given, is made from state text
        under the context name "Class::variable::default". */
    void addVariable (tav::Class& c, const char* className, const char* typeName, const char* variableName,
                      const char* defaultText = nullptr, bool visible = true)
    {
        auto& context = tav::ExecutionContext::get();
        tav::StateMap properties;

        if (! visible)
            properties.set ("visible", "false");

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
AmbrelColorModifierClass::AmbrelColorModifierClass() : ClassOf ("ColorModifier")
{
    // The element sets every parameter each frame, so none has a default.
    for (auto [typeName, variableName] : { std::pair { "Vector4d", "slope" }, { "Vector4d", "offset" },
                                           { "Vector4d", "power" }, { "Real", "saturation" },
                                           { "Real", "cdlActive" }, { "Sampler3d", "lutSampler" } })
        addVariable (*this, "AmbrelColorModifier", typeName, variableName);

    auto& context = tav::ExecutionContext::get();
    tav::State source;

    if (auto r = unpackAmbrelShaderSource (source); r.failed())
        context.error ("AmbrelColorModifier::shaderSourceCode: " + r.getErrorMessage());
    else
        setAttribute (context, "shaderSourceCode", source);
}

AmbrelColorModifierClass::~AmbrelColorModifierClass() = default;

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

//==============================================================================
AmbrelColorTextureModifierClass::AmbrelColorTextureModifierClass()
    : ClassOf ("ColorTextureModifier(AmbrelColorModifier)")
{
    const char* const name = "AmbrelColorTextureModifier";
    addVariable (*this, name, "String", "status");
    addVariable (*this, name, "AmbrelDeviceSelector", "device");
    addVariable (*this, name, "String", "channel");
    addVariable (*this, name, "Vector4d", "slope", "{x=1, y=1, z=1, w=1}");
    addVariable (*this, name, "Vector4d", "offset");
    addVariable (*this, name, "Vector4d", "power", "{x=1, y=1, z=1, w=1}");
    addVariable (*this, name, "Real", "saturation", "1");
    addVariable (*this, name, "EventCounter", "lutUpdateCounter", nullptr, false);
    addVariable (*this, name, "ObjectOwnedPointer", "lutBuffer", nullptr, false);
    addVariable (*this, name, "Boolean", "cdlActive", "true", false);
    addVariable (*this, name, "AmbrelControlEventListener", "eventCallback", nullptr, false);
}

AmbrelColorTextureModifierClass::~AmbrelColorTextureModifierClass() = default;

} // namespace torvo
