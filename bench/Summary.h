#pragma once

// The closing table: every item's time per iteration next to what it is
// compared with, either a fixed bound (a 60 Hz frame, the start-up budget)
// or another item's time (a fill against a plain pass over the same pixels).

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

// The counter in which an item that runs another program reports that
// program's processor time per iteration in ms.
inline constexpr const char* ChildCpuCounter = "child_CPU_ms";

// Compares the item registered as `name` with a fixed time.
void compareWithBound(const std::string& name, const std::string& boundLabel, double boundMs);
// Compares the item registered as `name` with the time of the item `reference`.
void compareWithItem(const std::string& name, const std::string& reference);

// Prints the usual console lines while running, then the table.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    SummaryReporter();
    void ReportRuns(const std::vector<Run>& reports) override;
    void Finalize() override;

private:
    std::vector<Run> m_runs;
};
