#include "PanelOnSimulator.h"
#include "VitrelThread.h"

#include "MessageRecorder.h"
#include "ftd2xx/PngCodec.h"
#include "ftdi_mpsse/SpiBridge.h"

#include <atomic>

using namespace vitrel::test;

namespace
{

/** Counts the occurrences of a text in another. */
int count (const std::string& text, const std::string& what)
{
    int n = 0;

    for (auto at = text.find (what); at != std::string::npos; at = text.find (what, at + what.size()))
        ++n;

    return n;
}

/** Whether every pixel of the PNG at path is black. */
bool isBlack (const std::string& path)
{
    const auto bytes = readFile (path);
    ftd2xxsim::PngHeader header;
    ftd2xxsim::RgbaImage image;
    std::string error;

    if (! ftd2xxsim::decodePng (bytes.data(), bytes.size(), header, image, error))
        return false;

    for (std::size_t i = 0; i + 3 < image.pixels.size(); i += 4)
        if (image.pixels[i] != 0 || image.pixels[i + 1] != 0 || image.pixels[i + 2] != 0)
            return false;

    return true;
}

/** The display thread over the simulated display, with the plug-in's images registered. */
class DisplayThread : public DisplayOnSimulator
{
protected:
    void SetUp() override
    {
        std::filesystem::create_directories (VITREL_TEST_ARTEFACTS_DIR);
        DisplayOnSimulator::SetUp();
    }

    void TearDown() override
    {
        if (thread.isThreadRunning())
            launcher::stopVitrelThread (thread);

        DisplayOnSimulator::TearDown();
    }

    std::string framePath = std::string (VITREL_TEST_ARTEFACTS_DIR) + "/vitrel_thread_frame.png";
    ScopedEnvironment frameOutput { "FTD2XX_SIM_FRAME_PNG", framePath.c_str() };
    PanelLibraries libraries;
    tav::ExecutionContext& context = tav::ExecutionContext::get();
    MessageRecorder messages;
    launcher::VitrelThread thread;
};

} // namespace

TEST_F (DisplayThread, WithoutABridgeItRetriesEveryHalfSecondAndStopsWithinOneRetry)
{
    ScopedEnvironment noDevices ("FTD2XX_SIM_DEVICES", "");
    testing::internal::CaptureStdout();
    ASSERT_TRUE (thread.startThread());
    juce::Thread::sleep (1300);

    const auto stopStarted = juce::Time::getMillisecondCounter();
    launcher::stopVitrelThread (thread);
    const auto stopTook = juce::Time::getMillisecondCounter() - stopStarted;
    const auto printed = testing::internal::GetCapturedStdout();

    EXPECT_FALSE (thread.isThreadRunning());
    EXPECT_LT (stopTook, 2500u) << "a stop waits for one retry at most";
    EXPECT_GE (count (printed, "ERROR: Eve not detected.\n"), 2) << printed;
    EXPECT_LE (count (printed, "ERROR: Eve not detected.\n"), 4) << printed;
    EXPECT_GE (count (printed, "channels found : 0\n"), 2) << printed;
    EXPECT_GE (count (printed, "USB->SPI Bridge not found."), 2) << printed;
    EXPECT_TRUE (messages.getLines().isEmpty()) << messages.getLines().joinIntoString ("\n");
}

TEST_F (DisplayThread, AStopDuringImageLoadingEndsAfterTheCurrentImageWithABlackScreen)
{
    std::vector<int> loaded;
    juce::WaitableEvent thirdLoaded, stopAsked;
    thread.imageLoaded = [&] (int index)
    {
        loaded.push_back (index);

        if (index == 2)
        {
            thirdLoaded.signal();
            stopAsked.wait (5000);
        }
    };

    testing::internal::CaptureStdout();
    ASSERT_TRUE (thread.startThread());
    const bool reached = thirdLoaded.wait (20000);
    thread.signalThreadShouldExit();
    stopAsked.signal();
    launcher::stopVitrelThread (thread);
    testing::internal::GetCapturedStdout();

    ASSERT_TRUE (reached);
    EXPECT_EQ (loaded, (std::vector<int> { 0, 1, 2 }));
    EXPECT_EQ (vitrel::bridgeHandle, nullptr) << "the bridge is closed";
    EXPECT_TRUE (isBlack (framePath)) << framePath;
    EXPECT_TRUE (messages.getLines().isEmpty()) << messages.getLines().joinIntoString ("\n");
}

TEST_F (DisplayThread, ItDrawsTheFirstPageFromItsInformationAndStopsInTimeWithoutAMessage)
{
    std::atomic<bool> imagesDone { false };
    thread.imageLoaded = [&] (int index) { imagesDone = index == 10; };
    thread.setInformation (*makeInformation ({ "eth0" }), juce::Time::currentTimeMillis());

    testing::internal::CaptureStdout();
    ASSERT_TRUE (thread.startThread());

    for (int i = 0; i < 2000 && ! imagesDone; ++i)
        juce::Thread::sleep (10);

    juce::Thread::sleep (300);
    launcher::stopVitrelThread (thread);
    testing::internal::GetCapturedStdout();

    EXPECT_TRUE (imagesDone);
    EXPECT_FALSE (thread.isThreadRunning());
    EXPECT_TRUE (messages.getLines().isEmpty()) << messages.getLines().joinIntoString ("\n");
    EXPECT_TRUE (isBlack (framePath)) << "the end leaves the screen black";
}
