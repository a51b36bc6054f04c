#include "AtomicFileWriting.h"

#include <tavcore/Thread.h>
#include <windows.h>

namespace atomicfiles
{

juce::Result replaceWith (const juce::File& temporary, const juce::File& target)
{
    // MOVEFILE_REPLACE_EXISTING renames over the target in one step; the
    // write-through flag returns only once the rename is on disk.
    if (! MoveFileExW (temporary.getFullPathName().toWideCharPointer(), target.getFullPathName().toWideCharPointer(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return juce::Result::fail ("cannot replace the file (" + tav::Thread::getOsErrorCodeString (GetLastError()) + ")");

    return juce::Result::ok();
}

} // namespace atomicfiles
