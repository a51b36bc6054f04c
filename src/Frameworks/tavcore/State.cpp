#include "tavcore/State.h"
#include "tavcore/ExecutionContext.h"
#include "tavcore/StateTextReader.h"
#include "tavcore/StateTextWriter.h"
#include <lz4.h>

namespace tav
{

//==============================================================================
StateMap::StateMap (std::initializer_list<Entry> initialEntries)
    : entries (initialEntries)
{
}

void StateMap::set (const juce::String& name, const State& state)
{
    for (auto& entry : entries)
    {
        if (entry.first == name)
        {
            entry.second = state;
            return;
        }
    }

    entries.emplace_back (name, state);
}

const State* StateMap::find (const juce::String& name) const
{
    for (auto& entry : entries)
        if (entry.first == name)
            return &entry.second;

    return nullptr;
}

bool StateMap::isEmpty() const noexcept                   { return entries.empty(); }
size_t StateMap::size() const noexcept                    { return entries.size(); }
StateMap::const_iterator StateMap::begin() const noexcept { return entries.begin(); }
StateMap::const_iterator StateMap::end() const noexcept   { return entries.end(); }

bool StateMap::operator== (const StateMap& other) const
{
    return entries == other.entries;
}

//==============================================================================
State::State (const juce::String& textToHold, bool isQuoted)
    : text (textToHold), quoted (isQuoted)
{
}

State::State (const char* textToHold)
    : text (juce::String::fromUTF8 (textToHold))
{
}

State State::makeMap (const juce::String& classNameToTag)
{
    State s;
    s.kind = Kind::map;
    s.className = classNameToTag;
    return s;
}

State State::makeList()
{
    State s;
    s.kind = Kind::list;
    return s;
}

State State::createFromStateString (ExecutionContext& context, const juce::String& text, const juce::String& contextName)
{
    State result;
    const auto r = parse (text, contextName, result);

    if (r.failed())
    {
        context.error (r.getErrorMessage());
        return State (text);
    }

    return result;
}

juce::Result State::parse (const juce::String& sourceText, const juce::String& sourceName, State& result)
{
    return StateTextReader (sourceText, sourceName).read (result);
}

juce::Result State::fromLz4Block (const void* packedData, size_t packedSize, size_t fullSize, State& result)
{
    constexpr size_t largestBlock = (size_t) LZ4_MAX_INPUT_SIZE;

    if (packedData == nullptr || packedSize > largestBlock || fullSize > largestBlock)
        return juce::Result::fail ("Invalid LZ4 block sizes");

    juce::MemoryBlock unpacked (fullSize);
    const int produced = LZ4_decompress_safe (static_cast<const char*> (packedData),
                                              static_cast<char*> (unpacked.getData()),
                                              (int) packedSize, (int) fullSize);

    if (produced < 0 || (size_t) produced != fullSize)
        return juce::Result::fail ("Damaged LZ4 block: expected " + juce::String ((juce::int64) fullSize)
                                   + " bytes, got " + juce::String (produced));

    // Embedded texts are read as UTF-8; other payloads (images) keep only their bytes.
    const auto* bytes = static_cast<const char*> (unpacked.getData());
    const bool isText = juce::CharPointer_UTF8::isValidString (bytes, (int) fullSize);
    State unpackedState (isText ? juce::String::fromUTF8 (bytes, (int) fullSize) : juce::String(), true);
    unpackedState.data = std::move (unpacked);
    result = std::move (unpackedState);
    return juce::Result::ok();
}

juce::MemoryBlock State::createLz4Block (const void* sourceData, size_t size)
{
    jassert (size <= (size_t) LZ4_MAX_INPUT_SIZE);
    juce::MemoryBlock packed ((size_t) LZ4_compressBound ((int) size));
    const int packedSize = LZ4_compress_default (static_cast<const char*> (sourceData),
                                                 static_cast<char*> (packed.getData()),
                                                 (int) size, (int) packed.getSize());
    packed.setSize ((size_t) juce::jmax (0, packedSize));
    return packed;
}

//==============================================================================
void State::setChild (const juce::String& name, const State& child)
{
    jassert (kind == Kind::map);
    children.set (name, child);
}

void State::addItem (const State& item)
{
    jassert (kind == Kind::list);
    items.push_back (item);
}

juce::String State::describePosition (const juce::String& sourceName) const
{
    return sourceName + ":" + juce::String (line) + ":" + juce::String (column);
}

juce::String State::toText (bool pretty) const
{
    return StateTextWriter (pretty).write (*this);
}

bool State::operator== (const State& other) const
{
    return kind == other.kind
        && text == other.text
        && className == other.className
        && children == other.children
        && items == other.items;
}

} // namespace tav
