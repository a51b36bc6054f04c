#include "PanelOnSimulator.h"

#include "MatrixOrbitalImages.h"
#include "PageImageLoading.h"

#include "EVE/DisplayInit.h"
#include "EVE/EveRegisters.h"
#include "ftd2xx/PngCodec.h"

#include <tavcore/Library.h>
#include <torvocore/StorageDevice.h>
#include <torvocore/TorvoCoreLibrary.h>

#include <cstdlib>
#include <filesystem>

namespace vitrel::test
{

namespace
{
    // A rendered frame matches its reference when every sample is within
    // this many levels, apart from a small share of pixels at glyph edges.
    constexpr int sampleTolerance = 2;
    constexpr double strayPixelShare = 0.002;

    ftd2xxsim::RgbaImage decode (const std::string& path)
    {
        const auto bytes = readFile (path);
        ftd2xxsim::PngHeader header;
        ftd2xxsim::RgbaImage image;
        std::string error;
        EXPECT_TRUE (decodePng (bytes.data(), bytes.size(), header, image, error)) << path << ": " << error;
        return image;
    }

    double shareOfDifferentPixels (const ftd2xxsim::RgbaImage& a, const ftd2xxsim::RgbaImage& b)
    {
        std::size_t different = 0;

        for (std::size_t i = 0; i + 3 < a.pixels.size(); i += 4)
            for (std::size_t c = 0; c < 4; ++c)
                if (std::abs (int (a.pixels[i + c]) - int (b.pixels[i + c])) > sampleTolerance)
                {
                    ++different;
                    break;
                }

        return double (different) / double (a.pixels.size() / 4);
    }
}

//==============================================================================
PanelLibraries::PanelLibraries()
{
    auto& root = tav::Library::getRootLibrary();
    root.addLibrary (torvo::createTorvoCoreLibrary());
    auto images = std::make_unique<tav::Library> ("VitrelTestImages");
    images->addClass ("MatrixOrbitalImages", std::make_unique<launcher::MatrixOrbitalImagesClass>());
    root.addLibrary (std::move (images));
}

PanelLibraries::~PanelLibraries()
{
    auto& root = tav::Library::getRootLibrary();
    root.removeLibrary ("VitrelTestImages");
    root.removeLibrary ("TorvoCore");
}

std::vector<std::string> textsIn (const std::vector<std::uint32_t>& displayList)
{
    std::vector<std::string> texts;
    std::string current;
    bool inBitmaps = false;

    for (auto word : displayList)
    {
        const auto opcode = word >> 24;

        if (opcode == 0x1F)                     // BEGIN
            inBitmaps = (word & 0xF) == 1;
        else if (opcode == 0x06 && inBitmaps)   // CELL
            current.push_back (static_cast<char> (word & 0x7F));
        else if (opcode == 0x21 && inBitmaps)   // END
        {
            if (! current.empty())
                texts.push_back (current);

            current.clear();
            inBitmaps = false;
        }
    }

    return texts;
}

bool containsRun (const std::vector<std::uint32_t>& displayList, const std::vector<std::uint32_t>& needle)
{
    return std::search (displayList.begin(), displayList.end(), needle.begin(), needle.end()) != displayList.end();
}

//==============================================================================
void PanelOnSimulator::SetUp()
{
    std::filesystem::create_directories (VITREL_TEST_ARTEFACTS_DIR);
    const auto* testName = testing::UnitTest::GetInstance()->current_test_info()->name();
    framePath = std::string (VITREL_TEST_ARTEFACTS_DIR) + "/vitrel_page_" + testName + ".png";
    frameOutput = std::make_unique<ScopedEnvironment> ("FTD2XX_SIM_FRAME_PNG", framePath.c_str());

    DisplayOnSimulator::SetUp();
    libraries = std::make_unique<PanelLibraries>();
    ASSERT_GT (bringUp (4, 2, 2), 1u) << printed;

    std::uint32_t address = 0;

    for (std::size_t i = 0; i < images.size(); ++i)
        address = launcher::loadPageImage (tav::getClass ("MatrixOrbitalImages"), i, address, images[i]);

    loop = std::make_unique<launcher::PageLoop> (feed, counters, images, touchPanel, [this] { return now; });
}

void PanelOnSimulator::TearDown()
{
    loop.reset();

    if (controls.loaded())
        controls.touch (-1, -1);

    DisplayOnSimulator::TearDown();
    libraries.reset();
}

bool PanelOnSimulator::passAt (juce::int64 t)
{
    now = t;
    return loop->runOnce (false);
}

std::vector<std::uint32_t> PanelOnSimulator::displayList() const
{
    std::vector<std::uint32_t> words;

    for (std::uint32_t offset = 0; offset < 8192; offset += 4)
    {
        const auto word = controls.value (eve::RAM_DL + offset);
        words.push_back (word);

        if (word == 0)
            break;
    }

    return words;
}

void PanelOnSimulator::expectFrameMatches (const char* referenceName) const
{
    const auto reference = std::string (VITREL_TEST_PAGE_REFERENCES_DIR) + "/" + referenceName + ".png";

    if (std::getenv ("VITREL_UPDATE_REFERENCES") != nullptr)
        std::filesystem::copy_file (framePath, reference, std::filesystem::copy_options::overwrite_existing);

    const auto frame = decode (framePath);
    const auto expected = decode (reference);
    ASSERT_EQ (frame.width, expected.width) << referenceName;
    ASSERT_EQ (frame.height, expected.height) << referenceName;
    EXPECT_LE (shareOfDifferentPixels (frame, expected), strayPixelShare)
        << "the frame " << framePath << " differs from " << reference;
}

} // namespace vitrel::test
