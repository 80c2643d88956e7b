#pragma once
// Timing for the Windows benchmarks.

#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace korvane {

// Now, in milliseconds of the performance counter.
inline double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds per call of each job: rounds of `count` calls, the jobs taking
// turns within a round (so a busy machine slows all of them alike), and the
// median round of each job.
inline std::vector<double> MsPerCall(int count, const std::vector<std::function<void()>>& jobs) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    constexpr int kRounds = 11;
    std::vector<std::vector<double>> rounds(jobs.size());
    for (int round = 0; round < kRounds; ++round)
        for (std::size_t j = 0; j < jobs.size(); ++j) {
            QueryPerformanceCounter(&start);
            for (int i = 0; i < count; ++i) jobs[j]();
            QueryPerformanceCounter(&end);
            rounds[j].push_back(double(end.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart) / count);
        }
    std::vector<double> medians;
    for (auto& r : rounds) {
        std::sort(r.begin(), r.end());
        medians.push_back(r[kRounds / 2]);
    }
    return medians;
}

}  // namespace korvane
