#pragma once

#include <juce_core/juce_core.h>
#include <optional>

//==============================================================================
/**
    Reads the sessions that logind (or an equivalent) publishes under
    /run/systemd: the active session of a seat and the user, display and
    runtime folder of a session. Sessions with ids that are not numbers
    (such as greeters' "c1") are not user sessions for the service.

    TORVO_LOGIND_RUNTIME_DIR replaces /run/systemd, so that tests can lay
    out sessions of their own.
*/
struct LogindSessions
{
    /** What the service needs to know of a logged-on user's session. */
    struct Session
    {
        int id = -1;
        juce::uint32 userId = 0;
        juce::String userName;
        juce::String display;            /**< X11 DISPLAY, when the session has one */
        juce::String waylandDisplay;     /**< WAYLAND_DISPLAY, when the session has one */
        bool isActive = false;           /**< in the foreground of its seat */
    };

    /** The active session of a seat, when it is a user's session. */
    static std::optional<Session> findActiveSessionOfSeat (const juce::String& seat);

    /** A session by id, when it exists and belongs to a user. */
    static std::optional<Session> findSession (int sessionId);

    /** The session of the calling process (its audit session), or 0. */
    static int getOwnSessionId();

private:
    static juce::File getRuntimeFolder();
    static juce::StringPairArray readKeyValueFile (const juce::File& file);
};
