#pragma once

// Medians, 90th percentiles and ranges of a handful of measurements, printed as table rows.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

struct Figures {
    std::vector<double> values;

    void add(double value) { values.push_back(value); }
    bool empty() const { return values.empty(); }

    // The value at rank ceil(p * n) of the sorted values.
    double percentile(double p) const
    {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const std::size_t rank = std::size_t(std::max(1.0, std::ceil(p * double(sorted.size()))));
        return sorted[std::min(rank, sorted.size()) - 1];
    }
    double median() const
    {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const std::size_t n = sorted.size();
        return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }
    double least() const { return *std::min_element(values.begin(), values.end()); }
    double most() const { return *std::max_element(values.begin(), values.end()); }
};

// "| what | median | p90 | range | n | - | target |" (the column of xclock's figures left empty:
// it has no counterpart), values with `decimals` decimals.
inline void printRow(const std::string& what, const Figures& figures, const std::string& target, int decimals = 1)
{
    if (figures.empty()) {
        std::printf("| %s | - | - | - | 0 | - | %s |\n", what.c_str(), target.c_str());
        return;
    }
    std::printf("| %s | %.*f | %.*f | %.*f to %.*f | %zu | - | %s |\n", what.c_str(), decimals, figures.median(),
                decimals, figures.percentile(0.9), decimals, figures.least(), decimals, figures.most(),
                figures.values.size(), target.c_str());
}

} // namespace bench
