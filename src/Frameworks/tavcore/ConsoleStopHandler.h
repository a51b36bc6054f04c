#pragma once

namespace tav
{

//==============================================================================
/**
    Turns the console's stop requests (Ctrl+C, Ctrl+Break, closing the
    console window, SIGINT and SIGTERM) into a flag that programs poll, so
    that they stop in order instead of being ended. The flag is process-wide,
    as the signals it stands for are.
*/
struct ConsoleStopHandler
{
    /** Installs or removes the handler. */
    static void setActive (bool shouldBeActive);

    /** True once a stop was requested while the handler was active. */
    static bool wasStopRequested() noexcept;
};

} // namespace tav
