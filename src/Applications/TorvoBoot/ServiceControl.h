#pragma once

#include <juce_core/juce_core.h>

class TorvoBootProgram;

// The service side of TorvoBoot: connecting to the system's service manager,
// reporting the service's state, and receiving stop requests, session
// changes and command codes. The handler only records what arrives; the
// monitor acts on it at its next update.

/** Runs the program as a service when the service manager started it;
    returns once the service has stopped (true), or false at once when the
    process was not started as a service. */
bool runServiceDispatcher (TorvoBootProgram* program);

/** Interactive run: the calling process's own session counts as the
    logged-on user's session. */
void adoptOwnSession();

/** Service run: corrects the logged-on session from the system's own view
    (catches missed or early session notifications). Does nothing otherwise. */
void pollActiveSession();

/** Queues a received command byte (128 to 255). */
void pushPendingCommand (juce::uint8 code);

/** The oldest queued command byte, or 0 when none is waiting. */
juce::uint8 popPendingCommand();

namespace tav { class ExecutionContext; }

/** Interactive run: lets client commands reach this process where the
    platform allows it (Linux: the control socket). On Windows commands
    travel only through the service control manager, so this does nothing. */
bool openInteractiveCommandChannel (tav::ExecutionContext& context);

/** Ends what openInteractiveCommandChannel() opened. */
void closeInteractiveCommandChannel();
