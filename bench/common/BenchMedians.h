#pragma once

// What the benchmark programs share: their repetitions run interleaved at random, so that a
// change of the machine's load falls on both sides of a ratio alike, and a reporter keeps the
// medians the ratio is taken of.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace ktr::bench {

struct Median {
    double real = 0; // in the benchmark's unit
    double cpu = 0;
    std::map<std::string, double> counters; // rates as per second
};

// Prints as usual and keeps the median of every benchmark, by name and arguments
// ("BM_Name" or "BM_Name/1000/0").
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            Median &median = medians[run.run_name.args.empty()
                                         ? run.run_name.function_name
                                         : run.run_name.function_name + "/" + run.run_name.args];
            median.real = run.GetAdjustedRealTime();
            median.cpu = run.GetAdjustedCPUTime();
            for (const auto &[name, counter] : run.counters)
                median.counters[name] = counter.value;
        }
    }
    Median median(const std::string &name) const
    {
        const auto found = medians.find(name);
        return found == medians.end() ? Median{} : found->second;
    }

private:
    std::map<std::string, Median> medians;
};

// benchmark::Initialize with random interleaving of repetitions; a flag given on the
// command line still wins.
inline void initializeInterleaved(int argc, char **argv)
{
    std::vector<char *> arguments(argv, argv + argc);
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
}

} // namespace ktr::bench
