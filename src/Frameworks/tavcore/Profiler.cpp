#include "tavcore/Profiler.h"

#include <atomic>

namespace tav
{

namespace
{
    // Process-wide by design: one profiler sees every thread's scopes.
    std::atomic<Profiler*> installedProfiler { nullptr };
}

Profiler* Profiler::get() noexcept
{
    return installedProfiler.load (std::memory_order_acquire);
}

void Profiler::set (Profiler* newProfiler) noexcept
{
    installedProfiler.store (newProfiler, std::memory_order_release);
}

ProfilerScope::ProfilerScope (const char* scopeName) noexcept
    : profiler (Profiler::get()), name (profiler != nullptr ? scopeName : "")
{
    if (profiler != nullptr)
        startTicks = juce::Time::getHighResolutionTicks();
}

ProfilerScope::~ProfilerScope()
{
    if (profiler != nullptr)
        profiler->scopeEnded (name, juce::Time::highResolutionTicksToSeconds (juce::Time::getHighResolutionTicks() - startTicks));
}

} // namespace tav
