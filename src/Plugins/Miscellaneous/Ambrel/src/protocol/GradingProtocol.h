#pragma once

#include "protocol/GradingSession.h"
#include <array>
#include <vector>

namespace torvo
{

class AmbrelDevice;

//==============================================================================
/** The protocol's error codes. */
enum GradingErrorCode
{
    unsupportedHandshakeVersion = 1,
    unknownProtocol = 2,
    unsupportedCommand = 3,
    unknownChannel = 4,
    invalidLut = 5,
    handshakeRequired = 100
};

/** Answers one request frame (its length field included) of a client's
    session: the encoded reply document, or an empty vector when the frame is
    no valid document, which tells the connection to close unanswered. */
std::vector<juce::uint8> handleGradingMessage (AmbrelDevice& device, const void* frame, size_t frameLength,
                                               GradingSession& session);

/** {"error": {"code": code, "message": message}}, encoded. */
std::vector<juce::uint8> makeErrorReply (int code, const juce::String& message);

/** {"result": "ok"}, encoded. */
std::vector<juce::uint8> makeOkReply();

/** The target channels of a grading command in request order, duplicates
    kept; ["default"] when the request names none. */
juce::StringArray parseChannelList (const juce::var& request);

/** The "red", "green" and "blue" numbers of a document element, each
    defaultValue when missing; all three defaultValue when the element is no document. */
std::array<double, 3> readRgbTriple (const juce::var& request, const juce::Identifier& elementName, double defaultValue);

//==============================================================================
/** The hello handshake (see handleGradingMessage). */
std::vector<juce::uint8> handleHello (AmbrelDevice& device, const juce::var& request, GradingSession& session);

/** The setCDL command, after the handshake and protocol checks; a channel
    named more than once is written and announced once. */
std::vector<juce::uint8> handleSetCdl (AmbrelDevice& device, const juce::var& request, const juce::StringArray& channels);

/** The setLUT command, after the handshake and protocol checks; a channel
    named more than once is written and announced once. */
std::vector<juce::uint8> handleSetLut (AmbrelDevice& device, const juce::var& request, const juce::StringArray& channels);

} // namespace torvo
