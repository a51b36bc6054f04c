#include "LogindSessions.h"

juce::File LogindSessions::getRuntimeFolder()
{
    const auto overridden = juce::SystemStats::getEnvironmentVariable ("TORVO_LOGIND_RUNTIME_DIR", {});
    return juce::File (overridden.isNotEmpty() ? overridden : juce::String ("/run/systemd"));
}

juce::StringPairArray LogindSessions::readKeyValueFile (const juce::File& file)
{
    juce::StringPairArray values;

    for (auto& line : juce::StringArray::fromLines (file.loadFileAsString()))
        if (const int equals = line.indexOfChar ('='); equals > 0 && ! line.startsWithChar ('#'))
            values.set (line.substring (0, equals), line.substring (equals + 1));

    return values;
}

std::optional<LogindSessions::Session> LogindSessions::findActiveSessionOfSeat (const juce::String& seat)
{
    const auto seatValues = readKeyValueFile (getRuntimeFolder().getChildFile ("seats").getChildFile (seat));
    const auto active = seatValues["ACTIVE"];

    if (active.isEmpty() || ! active.containsOnly ("0123456789"))
        return std::nullopt;

    return findSession (active.getIntValue());
}

std::optional<LogindSessions::Session> LogindSessions::findSession (int sessionId)
{
    if (sessionId < 0)
        return std::nullopt;

    const auto file = getRuntimeFolder().getChildFile ("sessions").getChildFile (juce::String (sessionId));

    if (! file.existsAsFile())
        return std::nullopt;

    const auto values = readKeyValueFile (file);
    const auto uid = values["UID"];

    if (uid.isEmpty() || ! uid.containsOnly ("0123456789") || values["STATE"] == "closing")
        return std::nullopt;

    Session session;
    session.id = sessionId;
    session.userId = (juce::uint32) uid.getLargeIntValue();
    session.userName = values["USER"];
    session.display = values["DISPLAY"];
    session.waylandDisplay = values["WAYLAND_DISPLAY"];
    session.isActive = values["STATE"] == "active" || values["ACTIVE"] == "1";
    return session;
}

int LogindSessions::getOwnSessionId()
{
    // The audit session id; 4294967295 means the process has none.
    const auto text = juce::File ("/proc/self/sessionid").loadFileAsString().trim();

    if (text.isEmpty() || ! text.containsOnly ("0123456789") || text == "4294967295")
        return 0;

    return text.getIntValue();
}
