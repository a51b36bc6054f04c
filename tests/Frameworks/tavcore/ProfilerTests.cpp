#include <tavcore/Profiler.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

class RecordingProfiler : public tav::Profiler
{
public:
    void scopeEnded (const char* name, double seconds) override
    {
        names.push_back (name);
        EXPECT_GE (seconds, 0.0);
    }

    std::vector<std::string> names;
};

} // namespace

TEST (Profiling, ScopesReachTheInstalledProfilerInTheOrderTheyEnd)
{
    RecordingProfiler profiler;
    tav::Profiler::set (&profiler);

    {
        const tav::ProfilerScope outer ("Redraw");
        const tav::ProfilerScope inner ("drawIPInformation");
    }

    tav::Profiler::set (nullptr);
    EXPECT_EQ (profiler.names, (std::vector<std::string> { "drawIPInformation", "Redraw" }));
}

TEST (Profiling, AScopeStartedWithoutAProfilerReportsNothing)
{
    RecordingProfiler profiler;

    {
        const tav::ProfilerScope scope ("readTouch");
        // Installed while the scope runs: the scope never knew of it.
        tav::Profiler::set (&profiler);
    }

    tav::Profiler::set (nullptr);
    EXPECT_TRUE (profiler.names.empty());
}
