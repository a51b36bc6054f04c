#include "torvocore/ServerInformationPacket.h"
#include <tavcore/RecordingExecutionContextView.h>
#include <tavcore/StateTextWriter.h>
#include <cstring>

namespace torvo
{

namespace
{
    constexpr char magic[4] = { 'T', 'V', 'S', 'I' };
    const juce::String sourceName ("status datagram");

    juce::Result checkListSizes (const TorvoServerInformation& information)
    {
        if (information.networkAdapters.size() > ServerInformationPacket::maximumListSize)
            return juce::Result::fail ("the record lists " + juce::String (information.networkAdapters.size())
                                       + " network adapters, more than " + juce::String (ServerInformationPacket::maximumListSize));

        if (information.devices.size() > ServerInformationPacket::maximumListSize)
            return juce::Result::fail ("the record lists " + juce::String (information.devices.size())
                                       + " devices, more than " + juce::String (ServerInformationPacket::maximumListSize));

        return juce::Result::ok();
    }

    /** Refuses lists longer than allowed before any element is made. */
    juce::Result checkListStates (const tav::State& state)
    {
        for (const auto* name : { "networkAdapters", "devices" })
            if (const auto* list = state.getChild (name); list != nullptr && list->isList()
                                                               && list->getItems().size() > ServerInformationPacket::maximumListSize)
                return juce::Result::fail (juce::String (name) + " holds " + juce::String (list->getItems().size())
                                           + " elements, more than " + juce::String (ServerInformationPacket::maximumListSize));

        return juce::Result::ok();
    }

    juce::Result readHeader (const juce::uint8* bytes, size_t size)
    {
        if (size < ServerInformationPacket::headerSize)
            return juce::Result::fail ("the datagram of " + juce::String (size) + " bytes is shorter than its header");

        if (size > ServerInformationPacket::maximumSize)
            return juce::Result::fail ("the datagram of " + juce::String (size) + " bytes is too long");

        if (std::memcmp (bytes, magic, sizeof (magic)) != 0)
            return juce::Result::fail ("the datagram is not a status record (wrong magic)");

        const auto version = juce::ByteOrder::littleEndianShort (bytes + 4);

        if (version != ServerInformationPacket::version)
            return juce::Result::fail ("the record's version " + juce::String (version) + " is not understood (expected "
                                       + juce::String (ServerInformationPacket::version) + ")");

        const auto length = (size_t) juce::ByteOrder::littleEndianInt (bytes + 6);

        if (length != size - ServerInformationPacket::headerSize)
            return juce::Result::fail ("the header announces " + juce::String ((juce::uint64) length) + " bytes of text, the datagram holds "
                                       + juce::String ((juce::uint64) (size - ServerInformationPacket::headerSize)));

        return juce::Result::ok();
    }

    juce::Result readText (const juce::uint8* text, size_t length, juce::String& result)
    {
        const auto* chars = reinterpret_cast<const char*> (text);

        if (std::memchr (chars, 0, length) != nullptr)
            return juce::Result::fail ("the record's text holds a zero byte");

        if (! juce::CharPointer_UTF8::isValidString (chars, (int) length))
            return juce::Result::fail ("the record's text is not valid UTF-8");

        result = juce::String::fromUTF8 (chars, (int) length);
        return juce::Result::ok();
    }

    /** Loads the state into a fresh record, refusing states with names the
        record does not know (which loading would only warn about). */
    juce::Result loadStrictly (const tav::State& state, TorvoServerInformation& loaded)
    {
        tav::ExecutionContext quiet;
        auto* recorder = new tav::RecordingExecutionContextView();
        quiet.addView (std::unique_ptr<tav::ExecutionContextView> (recorder));
        const tav::ExecutionContext::ScopedCurrent current (quiet);

        const auto result = loaded.loadState (state, sourceName);

        if (result.failed())
            return result;

        const auto messages = recorder->getMessages();

        if (! messages.empty())
            return juce::Result::fail (messages.front().text);

        return juce::Result::ok();
    }
}

//==============================================================================
juce::Result ServerInformationPacket::encode (const TorvoServerInformation& information, juce::MemoryBlock& datagram)
{
    datagram.reset();

    if (auto sizes = checkListSizes (information); sizes.failed())
        return sizes;

    const auto text = tav::StateTextWriter (false).write (information.saveState());
    const auto textBytes = text.getNumBytesAsUTF8();

    if (headerSize + textBytes > maximumSize)
        return juce::Result::fail ("the record needs " + juce::String ((juce::uint64) (headerSize + textBytes))
                                   + " bytes, more than a datagram holds");

    juce::MemoryOutputStream out (datagram, false);
    out.write (magic, sizeof (magic));
    out.writeShort ((short) version);
    out.writeInt ((int) textBytes);
    out.write (text.toRawUTF8(), textBytes);
    out.flush();
    return juce::Result::ok();
}

juce::Result ServerInformationPacket::decode (const void* data, size_t size, TorvoServerInformation& target)
{
    const auto* bytes = static_cast<const juce::uint8*> (data);

    if (bytes == nullptr && size > 0)
        return juce::Result::fail ("no datagram");

    if (auto header = readHeader (bytes, size); header.failed())
        return header;

    juce::String text;

    if (auto read = readText (bytes + headerSize, size - headerSize, text); read.failed())
        return read;

    tav::State state;

    if (auto parsed = tav::State::parse (text, sourceName, state); parsed.failed())
        return parsed;

    if (! state.isMap() || state.getClassName() != "TorvoServerInformation")
        return juce::Result::fail ("the datagram holds a " + (state.isMap() ? "\"" + state.getClassName().substring (0, 64) + "\" map"
                                                                            : juce::String (state.isList() ? "list" : "text"))
                                   + ", not a TorvoServerInformation");

    if (auto lists = checkListStates (state); lists.failed())
        return lists;

    TorvoServerInformation loaded;

    if (auto load = loadStrictly (state, loaded); load.failed())
        return load;

    target = loaded;
    return juce::Result::ok();
}

} // namespace torvo
