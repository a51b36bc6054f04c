#include "pixcore/ShaderStructTranslator.h"
#include <string>

namespace graphics
{

namespace
{
    bool isIdentifierCharacter (char c)
    {
        return juce::CharacterFunctions::isLetterOrDigit (c) || c == '_';
    }

    //==============================================================================
    /** Walks GLSL text, skipping comments, and writes the translation. */
    class StructTranslation
    {
    public:
        StructTranslation (const std::string& sourceText, const juce::String& name, juce::StringArray& structs)
            : source (sourceText), fileName (name), knownStructs (structs) {}

        juce::Result run()
        {
            while (position < source.size())
            {
                if (auto r = translateNext(); r.failed())
                    return r;
            }

            return juce::Result::ok();
        }

        std::string output;

    private:
        const std::string& source;
        const juce::String& fileName;
        juce::StringArray& knownStructs;
        size_t position = 0;
        int depth = 0;

        char at (size_t index) const              { return index < source.size() ? source[index] : '\0'; }

        juce::Result fail (size_t where, const juce::String& message) const
        {
            const auto line = 1 + std::count (source.begin(), source.begin() + (std::ptrdiff_t) juce::jmin (where, source.size()), '\n');
            return juce::Result::fail (fileName + ":" + juce::String ((int) line) + ": " + message);
        }

        // Copies a comment, or one character, from the source.
        void copyOne()
        {
            const size_t end = endOfCommentAt (position);
            output.append (source, position, end - position);
            position = end;
        }

        size_t endOfCommentAt (size_t index) const
        {
            if (at (index) == '/' && at (index + 1) == '/')
            {
                const auto newline = source.find ('\n', index);
                return newline == std::string::npos ? source.size() : newline;
            }

            if (at (index) == '/' && at (index + 1) == '*')
            {
                const auto close = source.find ("*/", index + 2);
                return close == std::string::npos ? source.size() : close + 2;
            }

            return index + 1;
        }

        size_t skipSpaceAndComments (size_t index) const
        {
            for (;;)
            {
                if (juce::CharacterFunctions::isWhitespace (at (index)))
                    ++index;
                else if (at (index) == '/' && (at (index + 1) == '/' || at (index + 1) == '*'))
                    index = endOfCommentAt (index);
                else
                    return index;
            }
        }

        std::string identifierAt (size_t index) const
        {
            size_t end = index;
            while (isIdentifierCharacter (at (end)))
                ++end;
            return source.substr (index, end - index);
        }

        // Blanks source text: newlines stay, so line numbers do too.
        void blank (size_t from, size_t to)
        {
            for (size_t i = from; i < to; ++i)
                output += (source[i] == '\n' ? '\n' : ' ');
        }

        juce::Result translateNext()
        {
            const char c = at (position);
            const bool startsWord = position == 0 || ! isIdentifierCharacter (at (position - 1));

            if (depth == 0 && startsWord && identifierAt (position) == "struct")
                return translateStructAt (position);

            if (c == '{') ++depth;
            if (c == '}') depth = juce::jmax (0, depth - 1);
            copyOne();
            return juce::Result::ok();
        }

        juce::Result translateStructAt (size_t start)
        {
            const auto nameStart = skipSpaceAndComments (start + 6);
            const auto name = identifierAt (nameStart);
            const auto afterName = skipSpaceAndComments (nameStart + name.size());

            if (name.empty() || at (afterName) != ':')
            {
                // A plain GLSL struct: copied as it is.
                output.append (source, start, afterName - start);
                position = afterName;
                return juce::Result::ok();
            }

            const auto baseStart = skipSpaceAndComments (afterName + 1);
            const auto base = identifierAt (baseStart);
            const auto open = skipSpaceAndComments (baseStart + base.size());

            if (base.empty() || ! knownStructs.contains (juce::String (base)))
                return fail (baseStart, "struct " + juce::String (name) + " derives from an unknown shader struct '" + juce::String (base) + "'");

            if (at (open) != '{')
                return fail (open, "expected '{' after struct " + juce::String (name) + " : " + juce::String (base));

            blank (start, open + 1);
            position = open + 1;

            if (auto r = translateMembers (juce::String (name)); r.failed())
                return r;

            knownStructs.addIfNotAlreadyThere (juce::String (name));
            return juce::Result::ok();
        }

        juce::Result translateMembers (const juce::String& structName)
        {
            for (;;)
            {
                const auto memberStart = skipSpaceAndComments (position);
                output.append (source, position, memberStart - position);
                position = memberStart;

                if (position >= source.size())
                    return fail (position, "struct " + structName + " has no closing '};'");

                if (at (position) == '}')
                    return closeStruct (structName);

                if (auto r = translateMember (structName); r.failed())
                    return r;
            }
        }

        // A member ends with ';' (a field, or a function prototype when it
        // has a parameter list) or with a function body's closing brace.
        juce::Result translateMember (const juce::String& structName)
        {
            const auto end = source.find_first_of (";{}", position);

            if (end == std::string::npos || source[end] == '}')
                return fail (position, "expected a field or a function in struct " + structName);

            const bool isFunction = source.find ('(', position) < end;

            if (source[end] == ';')
            {
                if (! isFunction)
                    output += "uniform ";

                output.append (source, position, end + 1 - position);
                position = end + 1;
                return juce::Result::ok();
            }

            return copyFunctionBody (end, structName);
        }

        juce::Result copyFunctionBody (size_t openBrace, const juce::String& structName)
        {
            output.append (source, position, openBrace - position);
            position = openBrace;
            int bodyDepth = 0;

            while (position < source.size())
            {
                const char c = at (position);
                copyOne();

                if (c == '{') ++bodyDepth;

                if (c == '}' && --bodyDepth == 0)
                    return juce::Result::ok();
            }

            return fail (openBrace, "a function of struct " + structName + " has no closing '}'");
        }

        juce::Result closeStruct (const juce::String& structName)
        {
            const auto semicolon = skipSpaceAndComments (position + 1);

            if (at (semicolon) != ';')
                return fail (semicolon, "expected ';' after the '}' of struct " + structName);

            blank (position, semicolon + 1);
            position = semicolon + 1;
            return juce::Result::ok();
        }
    };
}

//==============================================================================
juce::Result translateShaderStructs (juce::String& text, const juce::String& fileName, juce::StringArray& knownStructs)
{
    knownStructs.addIfNotAlreadyThere (shaderObjectStructName);
    const std::string source = text.toStdString();
    StructTranslation translation (source, fileName, knownStructs);

    if (auto r = translation.run(); r.failed())
        return r;

    text = juce::String::fromUTF8 (translation.output.data(), (int) translation.output.size());
    return juce::Result::ok();
}

} // namespace graphics
