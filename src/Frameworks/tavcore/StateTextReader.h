#pragma once

#include "tavcore/State.h"

namespace tav
{

//==============================================================================
/**
    Reads the state text format:

        # a comment runs to the end of the line
        ClassName {
            name = value
            list = [ value, value ]
        }

    A value is a word (any run of characters other than white space and
    { } [ ] = , " #), a text in double quotes with backslash escapes
    (\" \\ \n \r \t \uXXXX), a map in braces, optionally preceded by the name
    of its class, or a list in brackets. Entries are separated by commas or
    line breaks.
*/
class StateTextReader
{
public:
    StateTextReader (const juce::String& text, const juce::String& sourceName);

    /** Reads the whole text as one state. */
    juce::Result read (State& result);

private:
    juce::Result readValue (State& result, int depth);
    juce::Result readMap (State& result, int depth);
    juce::Result readList (State& result, int depth);
    juce::Result readQuotedText (juce::String& result);
    juce::String readWord();
    juce::Result readUnicodeEscape (juce::juce_wchar& result);

    void skipSpaceAndComments();
    bool skipSeparators();
    juce::juce_wchar peek() const noexcept;
    juce::juce_wchar next() noexcept;
    bool atEnd() const noexcept;
    juce::Result fail (const juce::String& message) const;
    juce::Result failAt (int failLine, int failColumn, const juce::String& message) const;
    static bool isWordCharacter (juce::juce_wchar c) noexcept;
    static juce::String describe (juce::juce_wchar c);

    static constexpr int maximumDepth = 256;

    juce::String source;
    juce::String sourceName;
    juce::String::CharPointerType position;
    int line = 1, column = 1;
    int escapeLine = 0, escapeColumn = 0;
};

} // namespace tav
