#include "ImageFiles.h"

#include "AtomicFileWriting.h"
#include "CodedImageFormats.h"
#include "PfmFormat.h"

namespace imagefiles
{

namespace
{
    using graphics::reference::FloatImage;

    enum class Kind { coded, png, pfm, unknown };

    Kind kindOf (const juce::File& file)
    {
        const auto extension = file.getFileExtension().toLowerCase();

        if (extension == ".pfm")                          return Kind::pfm;
        if (extension == ".png")                          return Kind::png;
        if (extension == ".jpg" || extension == ".jpeg")  return Kind::coded;
        return Kind::unknown;
    }

    juce::String describeExtension (const juce::File& file)
    {
        return file.getFileExtension().isEmpty() ? juce::String ("the name has no extension")
                                                  : "unknown image type \"" + file.getFileExtension() + "\"";
    }

    juce::Result failWith (const juce::String& prefix, const juce::File& file, const juce::String& reason)
    {
        return juce::Result::fail (prefix + file.getFullPathName() + ": " + reason);
    }

    juce::Result readingFailure (const juce::File& file, const juce::String& reason)
    {
        return failWith ("Cannot read the input image ", file, reason);
    }

    juce::Result writingFailure (const juce::File& file, const juce::String& reason)
    {
        return failWith ("Cannot write the output image ", file, reason);
    }

    juce::Result encode (Kind kind, const FloatImage& image, juce::MemoryBlock& bytes)
    {
        if (kind == Kind::pfm)
        {
            bytes = pfm::encode (image);
            return juce::Result::ok();
        }

        return codedimages::encodePng (image, bytes);
    }
}

juce::Result read (const juce::File& file, FloatImage& image)
{
    const auto kind = kindOf (file);

    if (kind == Kind::unknown)
        return readingFailure (file, describeExtension (file) + " (use .png, .jpg, .jpeg or .pfm)");

    if (! file.existsAsFile())
        return readingFailure (file, file.isDirectory() ? "it is a folder" : "the file does not exist");

    juce::MemoryBlock bytes;

    if (! file.loadFileAsData (bytes))
        return readingFailure (file, "the file cannot be read");

    const auto decoded = kind == Kind::pfm ? pfm::decode (bytes, image) : codedimages::decode (bytes, image);
    return decoded.failed() ? readingFailure (file, decoded.getErrorMessage()) : decoded;
}

juce::Result checkOutput (const juce::File& file)
{
    const auto kind = kindOf (file);

    if (kind == Kind::coded)
        return writingFailure (file, "JPEG images cannot be written (use .png or .pfm)");

    if (kind == Kind::unknown)
        return writingFailure (file, describeExtension (file) + " (use .png or .pfm)");

    if (! file.getParentDirectory().isDirectory())
        return writingFailure (file, "the folder " + file.getParentDirectory().getFullPathName() + " does not exist");

    if (file.isDirectory())
        return writingFailure (file, "it is a folder");

    return juce::Result::ok();
}

juce::Result write (const juce::File& file, const FloatImage& image)
{
    const auto checked = checkOutput (file);

    if (checked.failed())
        return checked;

    juce::MemoryBlock bytes;
    auto result = encode (kindOf (file), image, bytes);

    if (result.wasOk())
        result = atomicfiles::writeFile (file, bytes);

    return result.failed() ? writingFailure (file, result.getErrorMessage()) : result;
}

} // namespace imagefiles
