#pragma once

// Prints the throughput of every benchmark named "group/task/size" beside that of
// "group/lines/size", which only splits the same bytes into lines: the ratio says how close
// a task comes to the cost of merely reading the text. A benchmark that timed the floor
// itself, beside each of its iterations, gives its own ratio (counter kRatioCounter); with
// repetitions the median of the runs' ratios is shown.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune::bench {

inline constexpr std::string_view kFloorTask = "lines";
inline constexpr std::string_view kRatioCounter = "x_floor";
// Readers and writers should keep at least this share of the floor's throughput.
inline constexpr double kGoalRatio = 1.0 / 3.0;

// The one table every benchmark program prints to: a figure, its ratio to the floor it is
// measured against, and the goal it has to meet. The header is printed once, by the first
// program that scripts/bench runs.
inline void printTableHeader() {
    std::printf("%-42s %10s %-5s %8s  %-10s %s\n", "benchmark", "figure", "", "x floor", "floor",
                "goal");
}

inline void printTableRow(const std::string& name, double figure, const char* unit,
                          const std::string& ratio, const char* floor, const std::string& goal) {
    std::printf("%-42s %10.1f %-5s %8s  %-10s %s\n", name.c_str(), figure, unit, ratio.c_str(),
                floor, goal.c_str());
}

inline std::string ratioText(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", ratio);
    return text;
}

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
            std::string name = run.run_name.str();
            constexpr std::string_view kManual = "/manual_time";
            if (name.ends_with(kManual)) {
                name.resize(name.size() - kManual.size());
            }
            if (megabytesPerSecond_.emplace(name, rate->second.value / 1e6).second) {
                order_.push_back(name);
            }
            if (const auto ratio = run.counters.find(std::string(kRatioCounter));
                ratio != run.counters.end()) {
                pairedRatio_[name] = ratio->second.value;
            }
        }
    }

    // Whether the table (and so its header) was printed.
    bool printed() const { return printed_; }

    void Finalize() override {
        printed_ = true;
        printTableHeader();
        for (const std::string& name : order_) {
            const double rate = megabytesPerSecond_.at(name);
            const auto floor = megabytesPerSecond_.find(floorOf(name));
            const auto paired = pairedRatio_.find(name);
            if (paired == pairedRatio_.end() &&
                (floor == megabytesPerSecond_.end() || floor->first == name)) {
                // Filtered out, the floor leaves nothing to compare with.
                const bool isFloor = floor != megabytesPerSecond_.end();
                printTableRow(name, rate, "MB/s", isFloor ? "1.00" : "-", "lines", "");
                continue;
            }
            const double ratio =
                paired != pairedRatio_.end() ? paired->second : rate / floor->second;
            // memchr is there for scale only: it has no goal.
            const bool hasGoal = name.find("/memchr/") == std::string::npos;
            const bool met = ratio >= kGoalRatio;
            printTableRow(name, rate, "MB/s", ratioText(ratio), "lines",
                          !hasGoal ? ""
                          : met    ? ">= 0.33 met"
                                   : ">= 0.33 NOT MET");
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
    std::map<std::string, double> pairedRatio_;
    std::vector<std::string> order_;
    bool printed_ = false;
};

}  // namespace kestrune::bench
