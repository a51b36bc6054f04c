#pragma once

#include <juce_core/juce_core.h>
#include <pixcore/reference/FloatImage.h>
#include <pixcore/reference/Lut3d.h>

#include <optional>

namespace torvo::bench
{

//==============================================================================
/**
    ffmpeg's lut3d filter (trilinear) on one image, for comparison with the
    suite's own grading paths. It needs the program ffmpeg on the PATH (the
    Debian package ffmpeg); the image goes to ffmpeg as a PFM file and the
    LUT as a .cube file, both written to a folder of the caller's.
*/
class FfmpegLut3d
{
public:
    /** Why ffmpeg cannot be used here, or an empty text when it can. */
    static juce::String findProblem();

    /** Writes the image and the LUT into the folder for the runs to read. */
    FfmpegLut3d (const juce::File& folder, const graphics::reference::FloatImage& image, const graphics::reference::Lut3d& lut);

    /** The seconds that one run of the given number of frames takes, through
        the LUT (or through the null filter, which measures decoding alone);
        nothing when ffmpeg failed, with its output in error. */
    std::optional<double> timeRun (int frames, bool throughLut, juce::String& error) const;

    /** Grades the image once and reads the result back. */
    bool gradeOnce (graphics::reference::FloatImage& graded, juce::String& error) const;

    /** The .cube text of a LUT: LUT_3D_SIZE, then one "r g b" line per entry, red fastest. */
    static juce::String toCubeText (const graphics::reference::Lut3d& lut);

private:
    bool run (const juce::StringArray& arguments, juce::String& error) const;
    juce::StringArray inputArguments (int frames) const;
    juce::String lutFilter() const;

    juce::File imageFile, cubeFile, outputFile;
};

} // namespace torvo::bench
