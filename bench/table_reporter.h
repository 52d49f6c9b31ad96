#pragma once

// Prints the throughput of every benchmark named "group/task/size" beside that of
// "group/lines/size", which only splits the same bytes into lines: the ratio says how close
// a task comes to the cost of merely reading the text.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace kestrune::bench {

inline constexpr std::string_view kFloorTask = "lines";
// Readers and writers should keep at least this share of the floor's throughput.
inline constexpr double kGoalRatio = 1.0 / 3.0;

class TableReporter : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context&) override { return true; }

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            // With repetitions only the median counts; without them, the one run.
            const bool wanted = run.run_type == Run::RT_Aggregate ? run.aggregate_name == "median"
                                                                  : run.repetitions <= 1;
            if (!wanted || run.error_occurred) {
                continue;
            }
            const auto rate = run.counters.find("bytes_per_second");
            if (rate == run.counters.end()) {
                continue;
            }
            const std::string name = run.run_name.str();
            if (megabytesPerSecond_.emplace(name, rate->second.value / 1e6).second) {
                order_.push_back(name);
            }
        }
    }

    void Finalize() override {
        std::printf("%-28s %10s %9s\n", "benchmark", "MB/s", "x floor");
        for (const std::string& name : order_) {
            const double rate = megabytesPerSecond_.at(name);
            const auto floor = megabytesPerSecond_.find(floorOf(name));
            if (floor == megabytesPerSecond_.end() || floor->first == name) {
                // Filtered out, the floor leaves nothing to compare with.
                const bool isFloor = floor != megabytesPerSecond_.end();
                std::printf("%-28s %10.1f %9s\n", name.c_str(), rate, isFloor ? "floor" : "-");
                continue;
            }
            const double ratio = rate / floor->second;
            std::printf("%-28s %10.1f %9.2f%s\n", name.c_str(), rate, ratio,
                        ratio < kGoalRatio ? "  below 1/3 of the floor" : "");
        }
    }

  private:
    // "template/read/30000" -> "template/lines/30000"
    static std::string floorOf(const std::string& name) {
        const auto first = name.find('/');
        const auto last = name.rfind('/');
        if (first == std::string::npos || last == first) {
            return {};
        }
        return name.substr(0, first + 1) + std::string(kFloorTask) + name.substr(last);
    }

    std::map<std::string, double> megabytesPerSecond_;
    std::vector<std::string> order_;
};

}  // namespace kestrune::bench
