#pragma once

#include <juce_core/juce_core.h>
#include <vector>

namespace ambrel
{

//==============================================================================
/**
    A client of the grading protocol: sends BSON request documents over TCP
    and reads the reply frames. One request at a time; not thread-safe.
*/
class GradingClient
{
public:
    GradingClient() = default;

    /** Connects; false with errorText set on failure. */
    bool connect (const juce::String& host, int port, int timeoutMs, juce::String& errorText);

    /** Sends a request document and reads its reply document. */
    bool request (const juce::var& document, juce::var& reply, juce::String& errorText);

    /** Sends raw bytes (a frame, or part of one). */
    bool sendBytes (const void* data, size_t size, juce::String& errorText);

    /** Reads one reply frame and decodes it. */
    bool readReply (juce::var& reply, juce::String& errorText);

    /** Closes the connection. */
    void close()                                  { socket.close(); }

    /** True while connected. */
    bool isConnected() const                      { return socket.isConnected(); }

private:
    bool readExact (void* buffer, size_t count);

    juce::StreamingSocket socket;
    std::vector<juce::uint8> frame;
};

} // namespace ambrel
