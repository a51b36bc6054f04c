#pragma once

#include "tavcore/State.h"

namespace tav
{

//==============================================================================
/**
    Writes states in the state text format that StateTextReader reads. The
    output depends only on the state, so writing what was read from a written
    text gives the same bytes again.
*/
class StateTextWriter
{
public:
    explicit StateTextWriter (bool pretty);

    /** The text of a state, without a final line break. */
    juce::String write (const State& state) const;

    /** A text as a word when it can stand as one, otherwise quoted and escaped. */
    static juce::String formatText (const juce::String& text, bool forceQuotes);

private:
    void writeValue (juce::MemoryOutputStream& out, const State& state, int indent) const;
    void writeCompact (juce::MemoryOutputStream& out, const State& state) const;
    void writeMapLines (juce::MemoryOutputStream& out, const State& state, int indent) const;
    void writeListLines (juce::MemoryOutputStream& out, const State& state, int indent) const;
    static bool fitsOnOneLine (const State& state);
    static void writeIndent (juce::MemoryOutputStream& out, int indent);

    static constexpr int indentWidth = 4;
    static constexpr int oneLineLimit = 72;

    bool pretty;
};

} // namespace tav
