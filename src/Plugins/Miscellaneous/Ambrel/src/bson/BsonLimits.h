#pragma once

namespace torvo
{

//==============================================================================
/**
    How many elements one decoded buffer may hold. The decode of a buffer of
    tiny elements costs more per byte than that of one large value, and the
    elements of documents (not arrays) cost more still: their names go through
    the process-wide identifier pool and the property set's duplicate search,
    whose costs grow with the number of names. These counts keep both the
    time and the memory of a decode close to linear in the buffer's size.
*/
struct BsonLimits
{
    /** The most elements, at every level together. */
    int maxElements;

    /** The most elements of documents (not arrays); array items are not
        named in memory and do not count. */
    int maxNamedElements;

    /** A request from a client: about a dozen elements and a channel list of
        a few names. A thousand leaves room for any real channel list while
        keeping the decode of a hostile buffer of tiny elements within a few
        times the cost of copying its bytes. It also bounds the decoded tree
        in memory: beyond the names, strings and binaries copied out of the
        buffer (strings at most three times their bytes, where every byte is
        malformed UTF-8), each element adds a var and a slot and at most one
        object, about a hundred bytes, so a tree never exceeds three times its
        buffer plus about a hundred kilobytes. */
    static constexpr BsonLimits forRequests() noexcept    { return { 1024, 256 }; }

    /** A reply, as a client reads it: a hello reply spends a dozen elements,
        four of them named, on each channel it announces, so these admit
        two thousand channels. The server is the one the user chose, but it
        is still bounded: its decode stays well under a second and its tree
        within a few megabytes. */
    static constexpr BsonLimits forReplies() noexcept     { return { 32768, 8192 }; }
};

} // namespace torvo
