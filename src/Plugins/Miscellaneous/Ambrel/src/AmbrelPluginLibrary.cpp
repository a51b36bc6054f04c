#include "AmbrelClasses.h"
#include "AmbrelPluginLibrary.h"
#include "device/AmbrelCdlData.h"
#include "device/AmbrelCdlIdentifier.h"
#include "device/AmbrelDeviceFactory.h"
#include "device/AmbrelDeviceIdentifier.h"
#include "device/AmbrelDeviceSelector.h"
#include "device/AmbrelLutIdentifier.h"
#include "device/AmbrelLutInfo.h"
#include "device/AmbrelSessionIdentifier.h"
#include "modifier/AmbrelColorModifier.h"
#include "modifier/AmbrelColorTextureModifier.h"
#include "modifier/AmbrelControlEventListener.h"

namespace torvo
{

//==============================================================================
srcLibrary::srcLibrary()
    : PluginLibrary ("Ambrel", juce::File (AMBREL_SOURCE_DIRECTORY))
{
    addClass ("AmbrelColorModifier", std::make_unique<AmbrelColorModifierClass>());
    addClass ("AmbrelCdlData", std::make_unique<AmbrelCdlDataClass>());
    addClass ("AmbrelLutInfo", std::make_unique<AmbrelLutInfoClass>());
    addClass ("AmbrelCdlIdentifier", std::make_unique<AmbrelChannelIdentifierClass<AmbrelCdlIdentifier>>());
    addClass ("AmbrelLutIdentifier", std::make_unique<AmbrelChannelIdentifierClass<AmbrelLutIdentifier>>());
    addClass ("AmbrelSessionIdentifier", std::make_unique<tav::ClassOf<AmbrelSessionIdentifier>> ("ControllerIdentifier"));
    addClass ("AmbrelControlEventListener", std::make_unique<tav::ClassOf<AmbrelControlEventListener>> ("ControlEventListener"));
    addClass ("AmbrelDevice", std::make_unique<AmbrelDeviceClass>());
    addClass ("AmbrelDeviceIdentifier", std::make_unique<tav::ClassOf<AmbrelDeviceIdentifier>> ("DeviceIdentifier"));
    addClass ("AmbrelDeviceFactory", std::make_unique<AmbrelDeviceFactoryClass>());
    addClass ("AmbrelDeviceSelector", std::make_unique<tav::ClassOf<AmbrelDeviceSelector>> ("DeviceSelector"));
    addClass ("AmbrelColorTextureModifier", std::make_unique<AmbrelColorTextureModifierClass>());
}

srcLibrary::~srcLibrary()
{
    // Removing a class deletes its class object, which clears its instance pointer.
    for (auto* className : { "AmbrelColorTextureModifier", "AmbrelDeviceSelector", "AmbrelDeviceFactory",
                             "AmbrelDeviceIdentifier", "AmbrelDevice", "AmbrelControlEventListener",
                             "AmbrelSessionIdentifier", "AmbrelLutIdentifier", "AmbrelCdlIdentifier",
                             "AmbrelLutInfo", "AmbrelCdlData", "AmbrelColorModifier" })
        removeClass (className);
}

} // namespace torvo
