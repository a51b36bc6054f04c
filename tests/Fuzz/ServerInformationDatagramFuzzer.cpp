#include <pixcore/PixcoreLibrary.h>
#include <tavcore/Library.h>
#include <torvocore/ServerInformationPacket.h>
#include <torvocore/TorvoCoreLibrary.h>

#include <cstdio>
#include <cstdlib>

namespace
{

void check (bool condition, const char* what)
{
    if (! condition)
    {
        std::fprintf (stderr, "server_information_datagram_fuzzer: %s\n", what);
        std::abort();
    }
}

void registerClassesOnce()
{
    static const bool registered = tav::Library::getRootLibrary().addLibrary (graphics::createPixcoreLibrary())
                                   && tav::Library::getRootLibrary().addLibrary (torvo::createTorvoCoreLibrary());
    check (registered, "the host's classes did not register");
}

juce::String stateText (const tav::Object& object)
{
    return object.saveState().toText (false);
}

} // namespace

// Feeds arbitrary datagrams to the status decoder, as anybody on the machine
// can send them to the launcher's port. Besides crashes and sanitizer faults
// it checks the decoder's promises: a refusal leaves the target as it was,
// and what it accepts travels again unchanged once encoded.
extern "C" int LLVMFuzzerTestOneInput (const juce::uint8* data, size_t size)
{
    registerClassesOnce();

    torvo::TorvoServerInformation target;
    target.headerText.set ("before", tav::ChangeCallback::none());
    const auto before = stateText (target);

    if (torvo::ServerInformationPacket::decode (data, size, target).failed())
    {
        check (stateText (target) == before, "a refused datagram changed the record");
        return 0;
    }

    // Re-encoding may need more bytes than the sender used (texts are always
    // quoted), so only a record that fits is sent round again.
    juce::MemoryBlock again;

    if (torvo::ServerInformationPacket::encode (target, again).wasOk())
    {
        torvo::TorvoServerInformation received;
        check (torvo::ServerInformationPacket::decode (again.getData(), again.getSize(), received).wasOk(),
               "an encoded record was refused");
        check (stateText (received) == stateText (target), "a record changed on its way");
    }

    return 0;
}
