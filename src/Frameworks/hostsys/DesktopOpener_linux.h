#pragma once

#include <juce_core/juce_core.h>

namespace os::detail
{

/** The desktop's opener of files and folders (xdg-open) as the PATH finds
    it, or an empty File. */
juce::File findDesktopOpener();

/** Hands a file or folder to the desktop (xdg-open) without waiting for
    what it opens. The path travels as an argument of its own, never through
    a shell's expansion, so names with spaces, quotes or dollar signs open
    as they are. False when the opener cannot be started (errno says why). */
bool openWithDesktop (const juce::File& opener, const juce::String& path);

} // namespace os::detail
