#pragma once

#include "EVE/BitmapImages.h"

#include <torvocore/TorvoServerInformation.h>

#include <array>

// The four status pages, each drawn from its own copy of the host's status
// record into the frame being built.

namespace launcher
{

/** The page images in the order of imageAttributeNames. */
using PageImages = std::array<vitrel::eve::BitmapRecord, 11>;

/** Indices into PageImages. */
enum PageImage
{
    logoImage = 0,
    firstPageIcon = 1,
    arrowUpImage = 5,
    arrowDownImage = 6,
    onAirActivatedImage = 7,
    onAirDeactivatedImage = 8,
    outputActiveImage = 9,
    outputDisabledImage = 10
};

/** The touch tags of the frame. */
enum TouchTag : std::uint8_t
{
    noTag = 0,
    arrowUpTag = 5,
    arrowDownTag = 6,
    nextButtonTag = 7
};

/** The header line, the adapter nextTapCount selects, and "Next" when there is more than one. */
void drawIPInformation (const torvo::TorvoServerInformation& snapshot, int nextTapCount);

/** Memory and frame-rate lines with the blinking status light, or "Torvo is not
    running" with a red cross; the on-air and output badges in both cases. */
void drawPerformancesInformation (const torvo::TorvoServerInformation& snapshot, bool serverAlive,
                                  juce::uint32 redrawCount, const PageImages& images);

/** The project's name and its file's name. */
void drawProjectInformation (const torvo::TorvoServerInformation& snapshot);

/** The storage devices' names. */
void drawSystemInformation (const torvo::TorvoServerInformation& snapshot);

/** The text forms of the connected adapters, in list order. */
juce::StringArray getConnectedAdapterTexts (const torvo::TorvoServerInformation& snapshot);

/** The friendly names of the devices whose class is exactly the storage device class, in list order. */
juce::StringArray getStorageDeviceNames (const torvo::TorvoServerInformation& snapshot);

} // namespace launcher
