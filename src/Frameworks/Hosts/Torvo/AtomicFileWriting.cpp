#include "AtomicFileWriting.h"

namespace atomicfiles
{

juce::Result writeFile (const juce::File& target, const juce::MemoryBlock& bytes)
{
    const auto folder = target.getParentDirectory();

    if (! folder.isDirectory())
        return juce::Result::fail ("the folder " + folder.getFullPathName() + " does not exist");

    // A hidden name in the same folder: the rename stays on one file system.
    const auto temporary = folder.getNonexistentChildFile ("." + target.getFileName() + ".tmp", "", false);

    if (! temporary.replaceWithData (bytes.getData(), bytes.getSize()))
    {
        temporary.deleteFile();
        return juce::Result::fail ("cannot write the temporary file " + temporary.getFullPathName());
    }

    const auto replaced = replaceWith (temporary, target);

    if (replaced.failed())
        temporary.deleteFile();

    return replaced;
}

} // namespace atomicfiles
