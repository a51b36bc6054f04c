#include "network/FrameBudget.h"

namespace torvo
{

bool FrameBudget::tryTake (size_t bytes) noexcept
{
    auto current = inUse.load();

    do
    {
        if (bytes > limit.load() || current > limit.load() - bytes)
            return false;
    }
    while (! inUse.compare_exchange_weak (current, current + bytes));

    const auto taken = current + bytes;
    auto highest = peak.load();

    while (taken > highest && ! peak.compare_exchange_weak (highest, taken))
    {
    }

    return true;
}

} // namespace torvo
