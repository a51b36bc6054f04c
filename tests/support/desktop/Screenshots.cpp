#include "Screenshots.h"

#include <cstdlib>
#include <map>

namespace screenshots
{

namespace
{
    int channelDistance (juce::Colour a, juce::Colour b)
    {
        return std::max ({ std::abs (a.getRed() - b.getRed()), std::abs (a.getGreen() - b.getGreen()),
                           std::abs (a.getBlue() - b.getBlue()) });
    }

    juce::Colour mostCommonColour (const juce::Image& image)
    {
        std::map<juce::uint32, int> counts;

        for (int y = 0; y < image.getHeight(); y += 2)
            for (int x = 0; x < image.getWidth(); x += 2)
                ++counts[image.getPixelAt (x, y).getARGB()];

        auto best = counts.begin();

        for (auto i = counts.begin(); i != counts.end(); ++i)
            if (i->second > best->second)
                best = i;

        return counts.empty() ? juce::Colour() : juce::Colour (best->first);
    }

    bool rowHasContent (const juce::Image& image, int y, int margin, juce::Colour background)
    {
        for (int x = margin; x < image.getWidth() - margin; ++x)
            if (channelDistance (image.getPixelAt (x, y), background) > 24)
                return true;

        return false;
    }
}

juce::File artefactFolder()
{
    return juce::File::getCurrentWorkingDirectory();
}

bool save (const juce::Image& image, const juce::File& file)
{
    if (! image.isValid())
        return false;

    file.deleteFile();
    juce::FileOutputStream out (file);
    return out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
}

juce::Image load (const juce::File& file)
{
    juce::FileInputStream in (file);
    return in.openedOk() ? juce::PNGImageFormat().decodeImage (in) : juce::Image();
}

//==============================================================================
Difference compare (const juce::Image& actual, const juce::Image& reference, int pixelTolerance)
{
    Difference result;
    result.sameSize = actual.isValid() && reference.isValid() && actual.getBounds() == reference.getBounds();

    if (! result.sameSize)
        return result;

    const int width = actual.getWidth();
    const int height = actual.getHeight();
    result.diff = juce::Image (juce::Image::RGB, width, height, false);
    double sum = 0.0;
    int differing = 0;

    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            const auto a = actual.getPixelAt (x, y);
            const auto r = reference.getPixelAt (x, y);
            sum += std::abs (a.getRed() - r.getRed()) + std::abs (a.getGreen() - r.getGreen()) + std::abs (a.getBlue() - r.getBlue());
            const bool differs = channelDistance (a, r) > pixelTolerance;
            differing += differs ? 1 : 0;
            result.diff.setPixelAt (x, y, differs ? juce::Colours::red : a.interpolatedWith (juce::Colours::white, 0.8f));
        }
    }

    const double pixels = (double) width * height;
    result.meanAbsoluteDifference = pixels > 0 ? sum / (3.0 * pixels) : 0.0;
    result.differingShare = pixels > 0 ? differing / pixels : 0.0;
    return result;
}

bool isWithin (const Difference& difference, double maximumMeanDifference, double maximumDifferingShare)
{
    return difference.sameSize && difference.meanAbsoluteDifference <= maximumMeanDifference
        && difference.differingShare <= maximumDifferingShare;
}

//==============================================================================
std::vector<Band> contentBands (const juce::Image& image, int horizontalMargin)
{
    std::vector<Band> bands;

    if (! image.isValid())
        return bands;

    const auto background = mostCommonColour (image);
    bool inside = false;

    for (int y = 0; y <= image.getHeight(); ++y)
    {
        const bool content = y < image.getHeight() && rowHasContent (image, y, horizontalMargin, background);

        if (content && ! inside)
            bands.push_back ({ y, y });

        if (! content && inside)
            bands.back().bottom = y;

        inside = content;
    }

    return bands;
}

std::vector<Band> textLines (const juce::Image& image, int horizontalMargin, int minimumHeight)
{
    std::vector<Band> lines;

    for (const auto& band : contentBands (image, horizontalMargin))
        if (band.height() >= minimumHeight)
            lines.push_back (band);

    return lines;
}

} // namespace screenshots
