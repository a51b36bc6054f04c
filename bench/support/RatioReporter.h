#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace torvo::bench
{

//==============================================================================
/**
    The usual console report, followed by a table that sets the time of each
    measured operation against the time of its baseline.

    Benchmarks are named "<operation>/<case>"; each ratio pairs one operation
    with the baseline operation of the same case, so that a figure reads as
    "this many times the cost of the baseline".
*/
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    /** Compares every other operation with the given baseline operation. */
    explicit RatioReporter (std::string baselineOperation);

    /** Records the mean real time per iteration of each run, then reports it as usual. */
    void ReportRuns (const std::vector<Run>& runs) override;

    /** Prints the ratio table after the last benchmark. */
    void Finalize() override;

private:
    std::string baseline;
    std::map<std::pair<std::string, std::string>, double> secondsPerIteration; // (case, operation)
    std::vector<std::string> caseOrder;
};

} // namespace torvo::bench
