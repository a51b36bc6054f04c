#include "LogindSessions.h"
#include <cstring>

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

    if (const auto leader = values["LEADER"]; leader.isNotEmpty() && leader.containsOnly ("0123456789"))
        session.leaderProcessId = (juce::uint64) leader.getLargeIntValue();

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

//==============================================================================
juce::String LogindSessions::readProcessEnvironmentVariable (const juce::String& processId, const juce::String& name)
{
    // Files under /proc report no size: they are read to their end instead.
    juce::MemoryBlock data;
    juce::FileInputStream stream (juce::File ("/proc/" + processId + "/environ"));

    if (! stream.openedOk() || stream.readIntoMemoryBlock (data) == 0)
        return {};

    // Entries are NUL-terminated "NAME=value" texts.
    const auto* text = static_cast<const char*> (data.getData());
    const auto prefix = name + "=";

    for (size_t start = 0; start < data.getSize();)
    {
        const auto* end = static_cast<const char*> (std::memchr (text + start, 0, data.getSize() - start));
        const auto length = end != nullptr ? (size_t) (end - (text + start)) : data.getSize() - start;
        const auto entry = juce::String::fromUTF8 (text + start, (int) length);

        if (entry.startsWith (prefix))
            return entry.substring (prefix.length());

        start += length + 1;
    }

    return {};
}

bool LogindSessions::isProcessOfSession (const juce::File& processFolder, const Session& session)
{
    if (processFolder.getChildFile ("sessionid").loadFileAsString().trim() != juce::String (session.id))
        return false;

    for (auto& line : juce::StringArray::fromLines (processFolder.getChildFile ("status").loadFileAsString()))
        if (line.startsWith ("Uid:"))
            return line.substring (4).trim().upToFirstOccurrenceOf ("\t", false, false).trim() == juce::String (session.userId);

    return false;
}

juce::String LogindSessions::findXAuthority (const Session& session, const juce::String& home)
{
    if (session.leaderProcessId != 0)
        if (auto value = readProcessEnvironmentVariable (juce::String (session.leaderProcessId), "XAUTHORITY"); value.isNotEmpty())
            return value;

    // The leader is often the display manager's worker, which has no display
    // of its own; the user's programs in the session have.
    for (const auto& entry : juce::RangedDirectoryIterator (juce::File ("/proc"), false, "*", juce::File::findDirectories))
    {
        const auto folder = entry.getFile();

        if (folder.getFileName().containsOnly ("0123456789") && isProcessOfSession (folder, session))
            if (auto value = readProcessEnvironmentVariable (folder.getFileName(), "XAUTHORITY"); value.isNotEmpty())
                return value;
    }

    const auto ownFile = juce::File (home).getChildFile (".Xauthority");
    return home.isNotEmpty() && ownFile.existsAsFile() ? ownFile.getFullPathName() : juce::String();
}
