#include "tavcore/StateTextWriter.h"

namespace tav
{

StateTextWriter::StateTextWriter (bool prettyOutput)
    : pretty (prettyOutput)
{
}

juce::String StateTextWriter::write (const State& state) const
{
    juce::MemoryOutputStream out;

    if (pretty)
        writeValue (out, state, 0);
    else
        writeCompact (out, state);

    return out.toUTF8();
}

//==============================================================================
juce::String StateTextWriter::formatText (const juce::String& text, bool forceQuotes)
{
    bool needsQuotes = forceQuotes || text.isEmpty();

    for (auto p = text.getCharPointer(); ! needsQuotes && ! p.isEmpty(); ++p)
    {
        const auto c = *p;
        needsQuotes = c <= ' ' || c == '{' || c == '}' || c == '[' || c == ']'
                   || c == '=' || c == ',' || c == '"' || c == '#' || c == 0x7f;
    }

    if (! needsQuotes)
        return text;

    juce::String quoted ("\"");

    for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
    {
        const auto c = *p;

        switch (c)
        {
            case '"':  quoted << "\\\""; break;
            case '\\': quoted << "\\\\"; break;
            case '\n': quoted << "\\n";  break;
            case '\r': quoted << "\\r";  break;
            case '\t': quoted << "\\t";  break;
            default:
                if (c < ' ' || c == 0x7f)
                    quoted << "\\u" << juce::String::toHexString ((int) c).paddedLeft ('0', 4);
                else
                    quoted << juce::String::charToString (c);
        }
    }

    return quoted + "\"";
}

//==============================================================================
void StateTextWriter::writeValue (juce::MemoryOutputStream& out, const State& state, int indent) const
{
    if (state.isText() || fitsOnOneLine (state))
    {
        writeCompact (out, state);
        return;
    }

    if (state.isMap())
        writeMapLines (out, state, indent);
    else
        writeListLines (out, state, indent);
}

void StateTextWriter::writeMapLines (juce::MemoryOutputStream& out, const State& state, int indent) const
{
    if (state.getClassName().isNotEmpty())
        out << state.getClassName() << " ";

    out << "{\n";

    for (auto& [name, child] : state.getChildren())
    {
        writeIndent (out, indent + 1);
        out << formatText (name, false) << " = ";
        writeValue (out, child, indent + 1);
        out << "\n";
    }

    writeIndent (out, indent);
    out << "}";
}

void StateTextWriter::writeListLines (juce::MemoryOutputStream& out, const State& state, int indent) const
{
    out << "[\n";

    for (auto& item : state.getItems())
    {
        writeIndent (out, indent + 1);
        writeValue (out, item, indent + 1);
        out << "\n";
    }

    writeIndent (out, indent);
    out << "]";
}

void StateTextWriter::writeCompact (juce::MemoryOutputStream& out, const State& state) const
{
    switch (state.getKind())
    {
        case State::Kind::text:
            out << formatText (state.getText(), state.isQuoted());
            break;

        case State::Kind::map:
        {
            if (state.getClassName().isNotEmpty())
                out << state.getClassName() << " ";

            out << "{";
            bool first = true;

            for (auto& [name, child] : state.getChildren())
            {
                out << (first ? "" : ", ") << formatText (name, false) << "=";
                writeCompact (out, child);
                first = false;
            }

            out << "}";
            break;
        }

        case State::Kind::list:
        {
            out << "[";
            bool first = true;

            for (auto& item : state.getItems())
            {
                out << (first ? "" : ", ");
                writeCompact (out, item);
                first = false;
            }

            out << "]";
            break;
        }
    }
}

bool StateTextWriter::fitsOnOneLine (const State& state)
{
    auto allTexts = [] (auto& range, auto getState)
    {
        for (auto& element : range)
            if (! getState (element).isText())
                return false;

        return true;
    };

    const bool simple = state.isMap() ? allTexts (state.getChildren(), [] (auto& e) -> const State& { return e.second; })
                                      : allTexts (state.getItems(), [] (auto& e) -> const State& { return e; });

    return simple && StateTextWriter (false).write (state).length() <= oneLineLimit;
}

void StateTextWriter::writeIndent (juce::MemoryOutputStream& out, int indent)
{
    out << juce::String::repeatedString (" ", indent * indentWidth);
}

} // namespace tav
