#include "tavcore/PositiveInteger.h"
#include <charconv>

namespace tav
{

bool PositiveInteger::fromText (const juce::String& text, juce::uint64& result, juce::String& problem) const
{
    const auto utf8 = text.toStdString();
    const char* begin = utf8.data();
    const char* end = begin + utf8.size();
    juce::uint64 parsed = 0;
    const auto r = std::from_chars (begin, end, parsed);

    if (r.ec == std::errc::result_out_of_range)
    {
        problem = "the number " + text + " is too large";
        return false;
    }

    if (r.ec != std::errc() || r.ptr != end || begin == end)
    {
        problem = "expected a whole number of 0 or more, found \"" + text + "\"";
        return false;
    }

    result = parsed;
    return true;
}

} // namespace tav
