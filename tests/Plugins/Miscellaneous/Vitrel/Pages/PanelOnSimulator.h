#pragma once

#include "PageLoop.h"
#include "SampleInformation.h"
#include "SimulatedDisplay.h"

#include <torvocore/TorvoServerInformation.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vitrel::test
{

/** The libraries the pages need: the host's classes and the images class. */
class PanelLibraries
{
public:
    PanelLibraries();
    ~PanelLibraries();

    PanelLibraries (const PanelLibraries&) = delete;
    PanelLibraries& operator= (const PanelLibraries&) = delete;
};

/** The texts drawn in a display list (ROM-font cells between BEGIN(BITMAPS) and END), in order. */
std::vector<std::string> textsIn (const std::vector<std::uint32_t>& displayList);

/** Whether needle occurs in the list as one run of consecutive words. */
bool containsRun (const std::vector<std::uint32_t>& displayList, const std::vector<std::uint32_t>& needle);

//==============================================================================
/**
    The page loop on a simulated display that has been brought up and holds
    the plug-in's images, with a clock the test sets and a finger it places
    through the simulator (which answers the tag drawn under it).
*/
class PanelOnSimulator : public DisplayOnSimulator
{
protected:
    void SetUp() override;
    void TearDown() override;

    /** One pass of the loop at time t; true when it drew a frame. */
    bool passAt (juce::int64 t);

    /** Puts a finger down at (x, y), or lifts it when x is negative. */
    void touch (int x, int y)    { controls.touch (x, y); }

    /** The display list the controller shows now, up to its DISPLAY word. */
    std::vector<std::uint32_t> displayList() const;

    /** The frame last shown, compared with the kept reference of that name;
        with VITREL_UPDATE_REFERENCES set, the frame becomes the reference. */
    void expectFrameMatches (const char* referenceName) const;

    std::string framePath;
    std::unique_ptr<ScopedEnvironment> frameOutput;
    std::unique_ptr<PanelLibraries> libraries;
    launcher::StatusFeed feed;
    launcher::DisplayCounters counters;
    launcher::PageImages images {};
    launcher::ControllerTouchPanel touchPanel;
    juce::int64 now = 1'000'000;
    std::unique_ptr<launcher::PageLoop> loop;
};

} // namespace vitrel::test
