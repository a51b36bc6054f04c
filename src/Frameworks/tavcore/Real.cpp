#include "tavcore/Real.h"
#include <charconv>
#include <cmath>

namespace tav
{

juce::String Real::toText() const
{
    char buffer[64] = {};
    const auto r = std::to_chars (buffer, buffer + sizeof (buffer) - 1, get());
    return juce::String (buffer, (size_t) (r.ptr - buffer));
}

bool Real::fromText (const juce::String& text, double& result, juce::String& problem) const
{
    const auto utf8 = text.toStdString();
    const char* begin = utf8.data();
    const char* end = begin + utf8.size();

    if (begin != end && *begin == '+')
        ++begin;

    double parsed = 0.0;
    const auto r = std::from_chars (begin, end, parsed);

    if (r.ec != std::errc() || r.ptr != end || begin == end || ! std::isfinite (parsed))
    {
        problem = "expected a number, found \"" + text + "\"";
        return false;
    }

    result = parsed;
    return true;
}

} // namespace tav
