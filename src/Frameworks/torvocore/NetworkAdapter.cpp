#include "torvocore/NetworkAdapter.h"

namespace torvo
{

NetworkAdapter::NetworkAdapter()
{
    addMemberVariableObject (name, "name");
    addMemberVariableObject (address, "address");
    addMemberVariableObject (isConnected, "isConnected");
}

NetworkAdapter::NetworkAdapter (const NetworkAdapter& other) : NetworkAdapter()
{
    *this = other;
}

NetworkAdapter& NetworkAdapter::operator= (const NetworkAdapter& other)
{
    name.set (other.name.get(), tav::ChangeCallback::none());
    address.set (other.address.get(), tav::ChangeCallback::none());
    isConnected.set (other.isConnected.get(), tav::ChangeCallback::none());
    return *this;
}

juce::String NetworkAdapter::toString() const
{
    if (address.get().isEmpty())
        return name.get();

    return name.get() + " (" + address.get() + ")";
}

} // namespace torvo
