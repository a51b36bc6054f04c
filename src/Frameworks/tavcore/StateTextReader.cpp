#include "tavcore/StateTextReader.h"

namespace tav
{

StateTextReader::StateTextReader (const juce::String& text, const juce::String& name)
    : source (text), sourceName (name), position (source.getCharPointer())
{
}

juce::Result StateTextReader::read (State& result)
{
    skipSpaceAndComments();

    if (atEnd())
        return fail ("the text holds no value");

    State value;
    auto r = readValue (value, 0);

    if (r.failed())
        return r;

    skipSpaceAndComments();

    if (! atEnd())
        return fail ("unexpected " + describe (peek()) + " after the end of the value");

    result = std::move (value);
    return juce::Result::ok();
}

//==============================================================================
juce::Result StateTextReader::readValue (State& result, int depth)
{
    if (depth > maximumDepth)
        return fail ("values are nested too deeply");

    const int startLine = line, startColumn = column;
    const auto c = peek();
    juce::Result r = juce::Result::ok();

    if (c == '{')
    {
        result = State::makeMap();
        r = readMap (result, depth);
    }
    else if (c == '[')
    {
        result = State::makeList();
        r = readList (result, depth);
    }
    else if (c == '"')
    {
        juce::String text;
        r = readQuotedText (text);
        result = State (text, true);
    }
    else if (isWordCharacter (c))
    {
        const auto word = readWord();

        // A class name and the brace of its map stand on one line; a word
        // ending a line is a text of its own.
        while (peek() == ' ' || peek() == '\t')
            next();

        if (peek() == '{')
        {
            result = State::makeMap (word);
            r = readMap (result, depth);
        }
        else
        {
            result = State (word);
        }
    }
    else
    {
        return fail (atEnd() ? juce::String ("the text ends where a value was expected")
                             : "expected a value, found " + describe (c));
    }

    result.setPosition (startLine, startColumn);
    return r;
}

juce::Result StateTextReader::readMap (State& result, int depth)
{
    const int openLine = line, openColumn = column;
    next(); // the opening brace

    for (;;)
    {
        const bool separated = skipSeparators();

        if (peek() == '}')
        {
            next();
            return juce::Result::ok();
        }

        if (atEnd())
            return failAt (openLine, openColumn, "the brace opened here is never closed");

        if (! separated && ! result.getChildren().isEmpty())
            return fail ("expected ',' or a line break between entries, found " + describe (peek()));

        const int keyLine = line, keyColumn = column;
        juce::String key;

        if (peek() == '"')
        {
            auto r = readQuotedText (key);
            if (r.failed())
                return r;
        }
        else if (isWordCharacter (peek()))
        {
            key = readWord();
        }
        else
        {
            return fail ("expected a name, found " + describe (peek()));
        }

        if (result.getChild (key) != nullptr)
            return failAt (keyLine, keyColumn, "the name \"" + key + "\" appears twice");

        skipSpaceAndComments();

        if (peek() != '=')
            return fail ("expected '=' after the name \"" + key + "\", found " + describe (peek()));

        next();
        skipSpaceAndComments();

        State value;
        auto r = readValue (value, depth + 1);

        if (r.failed())
            return r;

        result.setChild (key, value);
    }
}

juce::Result StateTextReader::readList (State& result, int depth)
{
    const int openLine = line, openColumn = column;
    next(); // the opening bracket

    for (;;)
    {
        const bool separated = skipSeparators();

        if (peek() == ']')
        {
            next();
            return juce::Result::ok();
        }

        if (atEnd())
            return failAt (openLine, openColumn, "the bracket opened here is never closed");

        if (! separated && ! result.getItems().empty())
            return fail ("expected ',' or a line break between items, found " + describe (peek()));

        State item;
        auto r = readValue (item, depth + 1);

        if (r.failed())
            return r;

        result.addItem (item);
    }
}

juce::Result StateTextReader::readQuotedText (juce::String& result)
{
    const int openLine = line, openColumn = column;
    next(); // the opening quote
    juce::String text;

    for (;;)
    {
        if (atEnd())
            return failAt (openLine, openColumn, "the quoted text that starts here is never closed");

        auto c = next();

        if (c == '"')
            break;

        if (c == '\n' || c == '\r')
            return failAt (openLine, openColumn, "the quoted text that starts here runs past the end of its line");

        if (c == '\\')
        {
            escapeLine = line;
            escapeColumn = column - 1;
            const auto escaped = next();

            switch (escaped)
            {
                case '"':  c = '"';  break;
                case '\\': c = '\\'; break;
                case 'n':  c = '\n'; break;
                case 'r':  c = '\r'; break;
                case 't':  c = '\t'; break;
                case 'u':
                {
                    auto r = readUnicodeEscape (c);
                    if (r.failed())
                        return r;
                    break;
                }
                default:
                    return failAt (escapeLine, escapeColumn, "unknown escape \\" + (escaped == 0 ? juce::String() : juce::String::charToString (escaped)));
            }
        }

        text += juce::String::charToString (c);
    }

    result = text;
    return juce::Result::ok();
}

juce::Result StateTextReader::readUnicodeEscape (juce::juce_wchar& result)
{
    auto readFourHexDigits = [this] (juce::juce_wchar& value)
    {
        value = 0;

        for (int i = 0; i < 4; ++i)
        {
            const int digit = juce::CharacterFunctions::getHexDigitValue (peek());

            if (digit < 0)
                return false;

            next();
            value = (value << 4) | (juce::juce_wchar) digit;
        }

        return true;
    };

    juce::juce_wchar first = 0;

    if (! readFourHexDigits (first))
        return failAt (escapeLine, escapeColumn, "\\u must be followed by four hexadecimal digits");

    if (first >= 0xd800 && first <= 0xdbff)
    {
        juce::juce_wchar second = 0;

        if (next() != '\\' || next() != 'u' || ! readFourHexDigits (second) || second < 0xdc00 || second > 0xdfff)
            return failAt (escapeLine, escapeColumn, "a \\u high surrogate must be followed by a \\u low surrogate");

        first = 0x10000 + ((first - 0xd800) << 10) + (second - 0xdc00);
    }
    else if (first >= 0xdc00 && first <= 0xdfff)
    {
        return failAt (escapeLine, escapeColumn, "a \\u low surrogate must follow a high surrogate");
    }

    if (first == 0)
        return failAt (escapeLine, escapeColumn, "\\u0000 cannot stand in a text");

    result = first;
    return juce::Result::ok();
}

juce::String StateTextReader::readWord()
{
    const auto start = position;

    while (isWordCharacter (peek()))
        next();

    return juce::String (start, position);
}

//==============================================================================
void StateTextReader::skipSpaceAndComments()
{
    for (;;)
    {
        const auto c = peek();

        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
        {
            next();
        }
        else if (c == '#')
        {
            while (! atEnd() && peek() != '\n')
                next();
        }
        else
        {
            return;
        }
    }
}

bool StateTextReader::skipSeparators()
{
    bool separated = false;

    for (;;)
    {
        const int lineBefore = line;
        skipSpaceAndComments();
        separated = separated || line != lineBefore;

        if (peek() != ',')
            return separated;

        next();
        separated = true;
    }
}

juce::juce_wchar StateTextReader::peek() const noexcept
{
    return *position;
}

juce::juce_wchar StateTextReader::next() noexcept
{
    const auto c = position.getAndAdvance();

    if (c == 0)
    {
        --position; // stay on the terminator
        return 0;
    }

    if (c == '\n')
    {
        ++line;
        column = 1;
    }
    else
    {
        ++column;
    }

    return c;
}

bool StateTextReader::atEnd() const noexcept
{
    return position.isEmpty();
}

juce::Result StateTextReader::fail (const juce::String& message) const
{
    return failAt (line, column, message);
}

juce::Result StateTextReader::failAt (int failLine, int failColumn, const juce::String& message) const
{
    return juce::Result::fail (sourceName + ":" + juce::String (failLine) + ":" + juce::String (failColumn) + ": " + message);
}

bool StateTextReader::isWordCharacter (juce::juce_wchar c) noexcept
{
    switch (c)
    {
        case 0: case ' ': case '\t': case '\r': case '\n':
        case '{': case '}': case '[': case ']': case '=': case ',': case '"': case '#':
            return false;
        default:
            return true;
    }
}

juce::String StateTextReader::describe (juce::juce_wchar c)
{
    if (c == 0)
        return "the end of the text";

    if (c == '\n' || c == '\r')
        return "a line break";

    return "'" + juce::String::charToString (c) + "'";
}

} // namespace tav
