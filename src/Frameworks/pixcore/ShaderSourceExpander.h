#pragma once

#include <juce_core/juce_core.h>

namespace graphics
{

/** A shader source in the host's shader language made into one GLSL text. */
struct ExpandedShaderSource
{
    /** The GLSL text, starting with its #version line. */
    juce::String text;

    /** The file behind each source-string number of the text's #line
        directives: 0 is the main source, then each included file. */
    juce::StringArray fileNames;
};

/**
    Expands a source of the host's shader language: each #include "name"
    of a host shader library file is replaced by that file (each file
    once, however often it is included), the host structs are translated
    (translateShaderStructs), and #line directives keep every line's
    original file and line number, so that compiler messages can name them.
    A #version line of the source is dropped; the text asks for GLSL 4.50 core.

    Fails with "file:line: message" on an include it cannot resolve or a
    struct it cannot translate.
*/
juce::Result expandShaderSource (const juce::String& sourceName, const juce::String& source, ExpandedShaderSource& result);

} // namespace graphics
