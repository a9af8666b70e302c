#include "Summary.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <ostream>

namespace {
struct Comparison {
    std::string label;
    double boundMs = 0;       // a fixed bound, or
    std::string reference;    // the item whose time is the bound
};

// An item may be compared with several others: one line each.
std::multimap<std::string, Comparison>& comparisons()
{
    static std::multimap<std::string, Comparison> table;
    return table;
}

double toMs(double value, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond: return value / 1e6;
    case benchmark::kMicrosecond: return value / 1e3;
    case benchmark::kMillisecond: return value;
    case benchmark::kSecond: return value * 1e3;
    }
    return value;
}

std::string format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// An item that runs another program reports that program's processor time
// as a counter: its own thread only waits.
double cpuMs(const benchmark::BenchmarkReporter::Run& run)
{
    const auto child = run.counters.find(ChildCpuCounter);
    return child != run.counters.end() ? child->second.value : toMs(run.GetAdjustedCPUTime(), run.time_unit);
}

std::string padded(std::string text, size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}
} // namespace

void compareWithBound(const std::string& name, const std::string& boundLabel, double boundMs)
{
    comparisons().emplace(name, Comparison{boundLabel, boundMs, {}});
}

void compareWithItem(const std::string& name, const std::string& reference)
{
    comparisons().emplace(name, Comparison{reference, 0, reference});
}

SummaryReporter::SummaryReporter()
    : benchmark::ConsoleReporter(OO_Tabular)
{
}

void SummaryReporter::ReportRuns(const std::vector<Run>& reports)
{
    for (const Run& run : reports) {
        if (!run.error_occurred && (run.run_type == Run::RT_Iteration || run.aggregate_name == "median"))
            m_runs.push_back(run);
    }
    benchmark::ConsoleReporter::ReportRuns(reports);
}

void SummaryReporter::Finalize()
{
    // One line per item in the order run: with repetitions its median,
    // otherwise its one run.
    std::vector<std::string> order;
    std::map<std::string, const Run*> byName;
    for (const Run& run : m_runs) {
        const std::string& name = run.run_name.function_name;
        const auto known = byName.find(name);
        if (known == byName.end())
            order.push_back(name);
        if (known == byName.end() || run.run_type == Run::RT_Aggregate)
            byName[name] = &run;
    }

    std::ostream& out = GetOutputStream();
    out << "\nSummary (times per iteration in ms, the median when repeated; ratio = time / what it is compared with)\n";
    out << padded("item", 34) << padded("real", 11) << padded("CPU", 11) << padded("compared with", 28)
        << padded("ratio CPU", 11) << "ratio real\n";
    for (const std::string& name : order) {
        const Run& run = *byName[name];
        const double real = toMs(run.GetAdjustedRealTime(), run.time_unit);
        const double cpu = cpuMs(run);
        out << padded(run.run_name.function_name, 34) << padded(format("%.4g", real), 11)
            << padded(format("%.4g", cpu), 11);
        const auto [first, last] = comparisons().equal_range(name);
        for (auto found = first; found != last; ++found) {
            if (found != first)
                out << '\n' << padded("", 56);
            const Comparison& c = found->second;
            double boundReal = c.boundMs;
            double boundCpu = c.boundMs;
            std::string label = c.label + format(" (%.4g)", c.boundMs);
            if (!c.reference.empty()) {
                const auto ref = byName.find(c.reference);
                if (ref == byName.end()) {
                    out << c.reference << " not run";
                    continue;
                }
                boundReal = toMs(ref->second->GetAdjustedRealTime(), ref->second->time_unit);
                boundCpu = cpuMs(*ref->second);
                label = c.reference;
            }
            out << padded(label, 28) << padded(format("%.3g", cpu / boundCpu), 11) << format("%.3g", real / boundReal);
        }
        out << '\n';
        // Sizes in kB and counts are counters, not times: give them lines of their own.
        const auto endsWith = [](const std::string& text, const std::string& end) {
            return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
        };
        for (const auto& [counter, value] : run.counters) {
            if (endsWith(counter, "_kB"))
                out << "    " << padded(counter, 36) << format("%.0f kB", value.value) << '\n';
            else if (endsWith(counter, "_kept"))
                out << "    " << padded(counter, 36) << format("%.0f", value.value) << '\n';
        }
    }
    double load[3] = {0, 0, 0};
    if (getloadavg(load, 3) == 3)
        out << format("Load average at the end: %.2f", load[0]) << format(", %.2f", load[1])
            << format(", %.2f", load[2]) << '\n';
    out.flush();
}
