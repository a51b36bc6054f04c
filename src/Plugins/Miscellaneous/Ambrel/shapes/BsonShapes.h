#pragma once

#include <juce_core/juce_core.h>

#include <vector>

namespace torvo::shapes
{

//==============================================================================
/** The shapes of document that cost a decoder the most per byte. */
enum class BsonShape
{
    binary,         ///< no units: the frame holds only its padding binary
    distinctNames,  ///< null elements of the top-level document, each with its own name
    arrayItems,     ///< null items of one array
    tinyDocuments,  ///< empty documents as the items of one array
    deepNesting     ///< chains of documents nested as deeply as the decoder admits
};

/** Builds a top-level document that holds numUnits units of the given shape
    (or, when numUnits is negative, as many as fit), followed by one binary
    element that pads the document to frameSize bytes where there is room.
    Distinct names are numbered from firstName, so that shapes built with
    numbers far enough apart share no name.
*/
std::vector<juce::uint8> makeBsonShape (BsonShape shape, int numUnits, size_t frameSize, int firstName = 0);

} // namespace torvo::shapes
