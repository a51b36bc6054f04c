#include "StatusPages.h"
#include "PageTexts.h"

#include "EVE/CommandFifo.h"
#include "EVE/CoprocessorCommands.h"
#include "EVE/DisplayInit.h"
#include "EVE/DisplayListWords.h"

#include <torvocore/StorageDevice.h>

namespace launcher
{

namespace eve = vitrel::eve;
namespace dl = vitrel::eve::dl;

namespace
{

void sendWhite()
{
    eve::sendCommandWord (dl::colorRgb (255, 255, 255));
}

/** White text centred on the display's middle column. */
void centredText (int y, std::uint16_t font, const juce::String& text)
{
    sendWhite();
    eve::cmdText (eve::displayWidth / 2, y, font, eve::OPT_CENTER, text.toStdString());
}

void drawStatusLight (const torvo::TorvoServerInformation& snapshot, juce::uint32 redrawCount)
{
    const bool green = snapshot.greenLight.get();

    if (! green && ! snapshot.onAir.get())
        return;

    // Eleven bright frames, then nine dim ones.
    const std::uint8_t brightness = redrawCount % 20 > 8 ? 255 : 100;
    eve::sendCommandWord (green ? dl::colorRgb (0, brightness, 0) : dl::colorRgb (brightness, 0, 0));
    eve::sendCommandWord (dl::pointSize (120));
    eve::sendCommandWord (dl::begin (dl::Primitive::points));
    eve::sendCommandWord (dl::vertex2ii (static_cast<std::uint32_t> (eve::displayWidth / 1.3), 86));
    eve::sendCommandWord (dl::end());
}

void drawServerFigures (const torvo::TorvoServerInformation& snapshot, juce::uint32 redrawCount)
{
    centredText (24, 22, "Ram: " + snapshot.systemMemory.toString());
    centredText (55, 22, "VRam: " + snapshot.videoMemory.toString());
    centredText (86, 22, snapshot.frameRate.toString() + "Fps " + snapshot.frameRatePercent.toString() + " %");
    drawStatusLight (snapshot, redrawCount);
}

void drawServerMissing()
{
    centredText (55, 22, "Torvo is not running");
    eve::sendCommandWord (dl::colorRgb (255, 0, 0));
    eve::sendCommandWord (dl::lineWidth (30));
    eve::sendCommandWord (dl::begin (dl::Primitive::lines));

    for (auto [x, y] : { std::pair { 337u, 48u }, { 347u, 57u }, { 337u, 57u }, { 346u, 48u } })
        eve::sendCommandWord (dl::vertex2ii (x, y));

    eve::sendCommandWord (dl::end());
}

} // namespace

//==============================================================================
juce::StringArray getConnectedAdapterTexts (const torvo::TorvoServerInformation& snapshot)
{
    juce::StringArray texts;

    for (size_t i = 0; i < snapshot.networkAdapters.size(); ++i)
        if (const auto* adapter = snapshot.networkAdapters.get (i); adapter != nullptr && adapter->isConnected.get())
            texts.add (adapter->toString());

    return texts;
}

juce::StringArray getStorageDeviceNames (const torvo::TorvoServerInformation& snapshot)
{
    juce::StringArray names;
    const auto* storageClass = torvo::StorageDevice::getStaticClass();

    if (storageClass == nullptr)
        return names;

    for (size_t i = 0; i < snapshot.devices.size(); ++i)
        if (const auto* device = snapshot.devices.get (i); device != nullptr && device->getDeviceClass() == storageClass)
            names.add (device->getFriendlyName());

    return names;
}

//==============================================================================
void drawIPInformation (const torvo::TorvoServerInformation& snapshot, int nextTapCount)
{
    centredText (20, 27, snapshot.headerText.get());

    const auto adapters = getConnectedAdapterTexts (snapshot);
    centredText (60, 26, adapterText (adapters, nextTapCount));

    if (adapters.size() < 2)
        return;

    eve::sendCommandWord (dl::tag (nextButtonTag));
    sendWhite();
    eve::cmdFgColor (0x000000);
    eve::cmdButton (210, 90, 58, 32, 22, eve::OPT_FLAT, "Next");
    eve::sendCommandWord (dl::tag (noTag));
}

void drawPerformancesInformation (const torvo::TorvoServerInformation& snapshot, bool serverAlive,
                                  juce::uint32 redrawCount, const PageImages& images)
{
    if (serverAlive)
        drawServerFigures (snapshot, redrawCount);
    else
        drawServerMissing();

    sendWhite();
    eve::drawBitmap (images[snapshot.onAir.get() ? onAirActivatedImage : onAirDeactivatedImage], 175, 100);
    const bool outputActive = snapshot.outputState.get() == torvo::OutputState::active;
    eve::drawBitmap (images[outputActive ? outputActiveImage : outputDisabledImage], 240, 100);
}

void drawProjectInformation (const torvo::TorvoServerInformation& snapshot)
{
    centredText (eve::displayHeight / 5, 23, projectNameText (snapshot.projectPath.get()));
    centredText (eve::displayHeight / 2, 22, projectFileText (snapshot.projectFile.toString()));
}

void drawSystemInformation (const torvo::TorvoServerInformation& snapshot)
{
    centredText (eve::displayHeight / 2, 23, diskText (getStorageDeviceNames (snapshot)));
}

} // namespace launcher
