#include "torvocore/TorvoServerInformation.h"
#include <tavcore/Library.h>

namespace torvo
{

namespace
{
    template <class ElementType>
    void copyElements (tav::ObjectOwnedVector<ElementType>& target, const tav::ObjectOwnedVector<ElementType>& source)
    {
        target.clear (tav::ChangeCallback::none());

        for (size_t i = 0; i < source.size(); ++i)
            if (auto* element = source.get (i))
                target.append (std::make_unique<ElementType> (*element), tav::ChangeCallback::none());
    }

    template <class ValueObject>
    void copyValue (ValueObject& target, const ValueObject& source)
    {
        target.set (source.get(), tav::ChangeCallback::none());
    }
}

TorvoServerInformation::TorvoServerInformation()
    : networkAdapters ("NetworkAdapter"),
      devices ("DeviceDescription")
{
    addMemberVariableObject (headerText, "headerText");
    addMemberVariableObject (networkAdapters, "networkAdapters");
    addMemberVariableObject (systemMemory, "systemMemory");
    addMemberVariableObject (videoMemory, "videoMemory");
    addMemberVariableObject (frameRate, "frameRate");
    addMemberVariableObject (frameRatePercent, "frameRatePercent");
    addMemberVariableObject (onAir, "onAir");
    addMemberVariableObject (greenLight, "greenLight");
    addMemberVariableObject (outputState, "outputState");
    addMemberVariableObject (projectPath, "projectPath");
    addMemberVariableObject (projectFile, "projectFile");
    addMemberVariableObject (devices, "devices");
}

TorvoServerInformation::TorvoServerInformation (const TorvoServerInformation& other) : TorvoServerInformation()
{
    *this = other;
}

TorvoServerInformation& TorvoServerInformation::operator= (const TorvoServerInformation& other)
{
    if (&other == this)
        return *this;

    copyValue (headerText, other.headerText);
    copyElements (networkAdapters, other.networkAdapters);
    systemMemory = other.systemMemory;
    videoMemory = other.videoMemory;
    copyValue (frameRate, other.frameRate);
    copyValue (frameRatePercent, other.frameRatePercent);
    copyValue (onAir, other.onAir);
    copyValue (greenLight, other.greenLight);
    copyValue (outputState, other.outputState);
    copyValue (projectPath, other.projectPath);
    copyValue (projectFile, other.projectFile);
    copyElements (devices, other.devices);
    return *this;
}

const tav::Class* TorvoServerInformation::getStaticClass()
{
    return tav::getClass ("TorvoServerInformation");
}

} // namespace torvo
