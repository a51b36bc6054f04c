#include "AmbrelPluginLibrary.h"
#include "AmbrelCdlData.h"
#include "AmbrelCdlIdentifier.h"
#include "AmbrelClasses.h"
#include "AmbrelControlEventListener.h"
#include "AmbrelDeviceFactory.h"
#include "AmbrelDeviceIdentifier.h"
#include "AmbrelDeviceSelector.h"
#include "AmbrelLutIdentifier.h"
#include "AmbrelLutInfo.h"
#include "AmbrelSessionIdentifier.h"

namespace torvo
{

const tav::Class* ambrelCdlDataClass = nullptr;
const tav::Class* ambrelLutInfoClass = nullptr;
const tav::Class* ambrelCdlIdentifierClass = nullptr;
const tav::Class* ambrelLutIdentifierClass = nullptr;
const tav::Class* ambrelSessionIdentifierClass = nullptr;
const tav::Class* ambrelControlEventListenerClass = nullptr;
const tav::Class* ambrelDeviceClass = nullptr;
const tav::Class* ambrelDeviceIdentifierClass = nullptr;
const tav::Class* ambrelDeviceFactoryClass = nullptr;
const tav::Class* ambrelDeviceSelectorClass = nullptr;

namespace
{
    /** A member variable with a default given as state text. */
    void addVariable (tav::Class& c, const char* className, const char* typeName, const char* variableName, const char* defaultText = nullptr)
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

    std::unique_ptr<tav::Class> makeCdlDataClass()
    {
        auto c = std::make_unique<tav::SimpleClass<AmbrelCdlData>> ("Object");
        addVariable (*c, "AmbrelCdlData", "Vector4d", "slope", "{x=1, y=1, z=1, w=1}");
        addVariable (*c, "AmbrelCdlData", "Vector4d", "offset");
        addVariable (*c, "AmbrelCdlData", "Vector4d", "power", "{x=1, y=1, z=1, w=1}");
        addVariable (*c, "AmbrelCdlData", "Real", "saturation", "1.0");
        return c;
    }

    std::unique_ptr<tav::Class> makeLutInfoClass()
    {
        auto c = std::make_unique<tav::SimpleClass<AmbrelLutInfo>> ("Object");
        addVariable (*c, "AmbrelLutInfo", "PositiveInteger", "size");
        addVariable (*c, "AmbrelLutInfo", "String", "dataType");
        return c;
    }

    template <class IdentifierType>
    std::unique_ptr<tav::Class> makeChannelIdentifierClass (const char* className)
    {
        auto c = std::make_unique<tav::SimpleClass<IdentifierType>> ("ControllerIdentifier");
        addVariable (*c, className, "String", "channel");
        return c;
    }

    std::unique_ptr<tav::Class> makeDeviceClass()
    {
        auto c = std::make_unique<tav::SimpleClass<AmbrelDevice>> ("ControlDevice");
        setTextAttribute (*c, "AmbrelDevice", "friendlyName", "\"Ambrel\"");
        return c;
    }

    std::unique_ptr<tav::Class> makeDeviceFactoryClass()
    {
        auto c = std::make_unique<tav::SimpleClass<AmbrelDeviceFactory>> ("DeviceFactory");
        setTextAttribute (*c, "AmbrelDeviceFactory", "friendlyName", "\"Ambrel\"");
        setTextAttribute (*c, "AmbrelDeviceFactory", "deviceClass", "\"AmbrelDevice\"");
        setTextAttribute (*c, "AmbrelDeviceFactory", "deviceIdentifierClass", "\"AmbrelDeviceIdentifier\"");
        return c;
    }
}

//==============================================================================
srcLibrary::srcLibrary()
    : PluginLibrary ("Ambrel", juce::File (AMBREL_SOURCE_DIRECTORY))
{
    // First place: "AmbrelColorModifier" (base "ColorModifier"), which comes
    // with the colour modifier element.
    registerClass ("AmbrelCdlData", makeCdlDataClass(), ambrelCdlDataClass);
    registerClass ("AmbrelLutInfo", makeLutInfoClass(), ambrelLutInfoClass);
    registerClass ("AmbrelCdlIdentifier", makeChannelIdentifierClass<AmbrelCdlIdentifier> ("AmbrelCdlIdentifier"), ambrelCdlIdentifierClass);
    registerClass ("AmbrelLutIdentifier", makeChannelIdentifierClass<AmbrelLutIdentifier> ("AmbrelLutIdentifier"), ambrelLutIdentifierClass);
    registerClass ("AmbrelSessionIdentifier", std::make_unique<tav::SimpleClass<AmbrelSessionIdentifier>> ("ControllerIdentifier"),
                   ambrelSessionIdentifierClass);
    registerClass ("AmbrelControlEventListener", std::make_unique<tav::SimpleClass<AmbrelControlEventListener>> ("ControlEventListener"),
                   ambrelControlEventListenerClass);
    registerClass ("AmbrelDevice", makeDeviceClass(), ambrelDeviceClass);
    registerClass ("AmbrelDeviceIdentifier", std::make_unique<tav::SimpleClass<AmbrelDeviceIdentifier>> ("DeviceIdentifier"),
                   ambrelDeviceIdentifierClass);
    registerClass ("AmbrelDeviceFactory", makeDeviceFactoryClass(), ambrelDeviceFactoryClass);
    registerClass ("AmbrelDeviceSelector", std::make_unique<tav::SimpleClass<AmbrelDeviceSelector>> ("DeviceSelector"),
                   ambrelDeviceSelectorClass);
    // Last place: "AmbrelColorTextureModifier" (base
    // "ColorTextureModifier(AmbrelColorModifier)"), with the colour modifier element.
}

srcLibrary::~srcLibrary()
{
    // When the colour modifier classes come, they go first and last here.
    unregisterClass ("AmbrelDeviceSelector", ambrelDeviceSelectorClass);
    unregisterClass ("AmbrelDeviceFactory", ambrelDeviceFactoryClass);
    unregisterClass ("AmbrelDeviceIdentifier", ambrelDeviceIdentifierClass);
    unregisterClass ("AmbrelDevice", ambrelDeviceClass);
    unregisterClass ("AmbrelControlEventListener", ambrelControlEventListenerClass);
    unregisterClass ("AmbrelSessionIdentifier", ambrelSessionIdentifierClass);
    unregisterClass ("AmbrelLutIdentifier", ambrelLutIdentifierClass);
    unregisterClass ("AmbrelCdlIdentifier", ambrelCdlIdentifierClass);
    unregisterClass ("AmbrelLutInfo", ambrelLutInfoClass);
    unregisterClass ("AmbrelCdlData", ambrelCdlDataClass);
}

void srcLibrary::registerClass (const char* className, std::unique_ptr<tav::Class> classObject, const tav::Class*& globalPointer)
{
    const auto* registered = classObject.get();

    if (addClass (className, std::move (classObject)))
        globalPointer = registered;
}

void srcLibrary::unregisterClass (const char* className, const tav::Class*& globalPointer)
{
    removeClass (className);
    globalPointer = nullptr;
}

} // namespace torvo
