#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>

namespace torvo::bench
{

RatioReporter::RatioReporter (std::string baselineOperation)
    : baseline (std::move (baselineOperation))
{
}

void RatioReporter::ReportRuns (const std::vector<Run>& runs)
{
    for (const auto& run : runs)
    {
        if (run.run_type != Run::RT_Iteration || run.iterations == 0)
            continue;

        const auto name = run.benchmark_name();
        const auto slash = name.find ('/');

        if (slash == std::string::npos)
            continue;

        const auto operation = name.substr (0, slash);
        const auto caseName = name.substr (slash + 1);

        if (std::find (caseOrder.begin(), caseOrder.end(), caseName) == caseOrder.end())
            caseOrder.push_back (caseName);

        secondsPerIteration[{ caseName, operation }] = run.real_accumulated_time / (double) run.iterations;
    }

    ConsoleReporter::ReportRuns (runs);
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf ("\nTime relative to %s of the same bytes:\n", baseline.c_str());

    for (const auto& caseName : caseOrder)
    {
        const auto base = secondsPerIteration.find ({ caseName, baseline });

        if (base == secondsPerIteration.end() || base->second <= 0.0)
            continue;

        for (const auto& [key, seconds] : secondsPerIteration)
            if (key.first == caseName && key.second != baseline)
                std::printf ("  %-28s %-8s %10.1f x\n", caseName.c_str(), key.second.c_str(), seconds / base->second);
    }
}

} // namespace torvo::bench
