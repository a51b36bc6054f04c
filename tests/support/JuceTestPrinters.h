#pragma once

// Lets GoogleTest print JUCE strings readably in failure messages. Every test
// source gets this header first (see torvo_add_test).

#include <juce_core/juce_core.h>
#include <ostream>

namespace juce
{
inline void PrintTo (const String& s, std::ostream* os)       { *os << '"' << s.toStdString() << '"'; }

inline void PrintTo (const StringArray& a, std::ostream* os)
{
    *os << "{";
    for (int i = 0; i < a.size(); ++i)
        *os << (i > 0 ? ",\n " : "\n ") << '"' << a[i].toStdString() << '"';
    *os << " }";
}
} // namespace juce
