#include "WineRepaintPump.h"

#include "RunningUnderWine.h"

namespace gui::tav
{

WineRepaintPump::WineRepaintPump()
{
    startTimerHz (60);
}

WineRepaintPump::~WineRepaintPump()
{
    stopTimer();
}

std::unique_ptr<WineRepaintPump> WineRepaintPump::createIfNeeded()
{
    if (! isRunningUnderWine())
        return nullptr;

    return std::make_unique<WineRepaintPump>();
}

void WineRepaintPump::timerCallback()
{
    for (int i = juce::ComponentPeer::getNumPeers(); --i >= 0;)
        if (auto* peer = juce::ComponentPeer::getPeer (i))
            peer->performAnyPendingRepaintsNow();
}

} // namespace gui::tav
