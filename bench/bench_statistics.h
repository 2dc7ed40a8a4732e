/* The two figures every benchmark reports of its timed rounds. */
#ifndef PDR_BENCH_BENCH_STATISTICS_H
#define PDR_BENCH_BENCH_STATISTICS_H

#include <algorithm>
#include <vector>

/* The fastest round: the closest to the work alone. */
inline double Min(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

/* The middle round: what a caller typically waits. */
inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

#endif
