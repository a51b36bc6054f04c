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
        juce::uint64 leaderProcessId = 0; /**< the session's leader (LEADER), 0 when unknown */
    };

    /** The active session of a seat, when it is a user's session. */
    static std::optional<Session> findActiveSessionOfSeat (const juce::String& seat);

    /** A session by id, when it exists and belongs to a user. */
    static std::optional<Session> findSession (int sessionId);

    /** The session of the calling process (its audit session), or 0. */
    static int getOwnSessionId();

    /** The X authority file the session's own programs use: XAUTHORITY of
        the session's leader or, failing that, of another process of the
        session's user in that session; else ~/.Xauthority of the given home
        when that file exists; else empty. Display managers keep the file
        where they like (GDM in the runtime folder), so it is looked up
        rather than guessed. Reading another user's processes needs root. */
    static juce::String findXAuthority (const Session& session, const juce::String& home);

private:
    static juce::File getRuntimeFolder();
    static juce::String readProcessEnvironmentVariable (const juce::String& processId, const juce::String& name);
    static bool isProcessOfSession (const juce::File& processFolder, const Session& session);
    static juce::StringPairArray readKeyValueFile (const juce::File& file);
};
