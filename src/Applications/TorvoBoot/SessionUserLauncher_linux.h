#pragma once

#include "LogindSessions.h"

/** Starts a program as the user of a logged-on session: with that user's
    ids and groups, a fresh environment (HOME, USER, LOGNAME, SHELL, PATH,
    XDG_RUNTIME_DIR, the session's DISPLAY / WAYLAND_DISPLAY and the
    XAUTHORITY its own programs use) and a process
    session of its own, in the working directory (empty: the launcher's own).
    No shell is involved. Returns the process id, or 0 after reporting why. */
juce::uint64 launchAsSessionUser (const LogindSessions::Session& session, const juce::String& executable,
                                  const juce::String& arguments, const juce::String& workingDirectory, bool showConsole);
