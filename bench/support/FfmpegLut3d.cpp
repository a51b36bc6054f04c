#include "FfmpegLut3d.h"

#include <ImageFiles.h>

#include <chrono>

namespace torvo::bench
{

namespace
{
    juce::String runToEnd (const juce::StringArray& arguments, int& exitCode)
    {
        juce::ChildProcess process;

        if (! process.start (arguments))
        {
            exitCode = -1;
            return "cannot start " + arguments[0];
        }

        // Reading drains the pipe while ffmpeg runs, so it never blocks on it.
        const auto output = process.readAllProcessOutput();

        // The pipe closes a moment before the process ends; its exit code is
        // only known once it has ended.
        exitCode = process.waitForProcessToFinish (60000) ? (int) process.getExitCode() : -1;
        return output;
    }
}

juce::String FfmpegLut3d::findProblem()
{
    int exitCode = -1;
    runToEnd ({ "ffmpeg", "-hide_banner", "-version" }, exitCode);
    return exitCode == 0 ? juce::String() : "ffmpeg is not on the PATH (install the Debian package ffmpeg)";
}

FfmpegLut3d::FfmpegLut3d (const juce::File& folder, const graphics::reference::FloatImage& image, const graphics::reference::Lut3d& lut)
    : imageFile (folder.getChildFile ("image.pfm")),
      cubeFile (folder.getChildFile ("lut" + juce::String (lut.getSize()) + ".cube")),
      outputFile (folder.getChildFile ("graded.pfm"))
{
    imagefiles::write (imageFile, image);
    cubeFile.replaceWithText (toCubeText (lut));
}

std::optional<double> FfmpegLut3d::timeRun (int frames, bool throughLut, juce::String& error) const
{
    auto arguments = inputArguments (frames);
    arguments.addArray ({ "-vf", throughLut ? lutFilter() : juce::String ("null"), "-f", "null", "-" });

    const auto start = std::chrono::steady_clock::now();

    if (! run (arguments, error))
        return {};

    return std::chrono::duration<double> (std::chrono::steady_clock::now() - start).count();
}

bool FfmpegLut3d::gradeOnce (graphics::reference::FloatImage& graded, juce::String& error) const
{
    auto arguments = inputArguments (1);
    arguments.addArray ({ "-vf", lutFilter(), "-c:v", "pfm", "-y", outputFile.getFullPathName() });

    if (! run (arguments, error))
        return false;

    const auto read = imagefiles::read (outputFile, graded);
    error = read.getErrorMessage();
    return read.wasOk();
}

juce::String FfmpegLut3d::toCubeText (const graphics::reference::Lut3d& lut)
{
    // A stream, not a growing juce::String, which reallocates to the exact size on every append.
    juce::MemoryOutputStream text;
    text << "LUT_3D_SIZE " << lut.getSize() << "\n";
    const auto& rgba = lut.getRgbaFloats();

    for (size_t i = 0; i < rgba.size(); i += 4)
        text << juce::String (rgba[i], 7) << " " << juce::String (rgba[i + 1], 7) << " " << juce::String (rgba[i + 2], 7) << "\n";

    return text.toString();
}

bool FfmpegLut3d::run (const juce::StringArray& arguments, juce::String& error) const
{
    int exitCode = -1;
    const auto output = runToEnd (arguments, exitCode);

    if (exitCode == 0)
        return true;

    error = "ffmpeg failed (" + juce::String (exitCode) + "): " + output.trim();
    return false;
}

juce::StringArray FfmpegLut3d::inputArguments (int frames) const
{
    // -loop 1 decodes the same image again for every frame.
    return { "ffmpeg", "-hide_banner", "-nostdin", "-nostats", "-loglevel", "error",
             "-loop", "1", "-i", imageFile.getFullPathName(), "-frames:v", juce::String (frames) };
}

juce::String FfmpegLut3d::lutFilter() const
{
    return "lut3d=file=" + cubeFile.getFullPathName() + ":interp=trilinear";
}

} // namespace torvo::bench
