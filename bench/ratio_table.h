// The figures a benchmark prints: per number of icons the median time of the baseline and of Velmora,
// taken side by side in the same run, their ratio, and how each grows from one size to the next.
#pragma once

#include <string>
#include <vector>

namespace velmora::bench {

// The middle sample, or the mean of the two middle ones.
double Median(std::vector<double> samples);

class RatioTable {
  public:
    // extraColumns: further figures per row, such as Velmora's memory.
    RatioTable(std::string title, std::vector<std::string> extraColumns = {});

    void Add(int size,
             const std::vector<double>& baselineSeconds,
             const std::vector<double>& velmoraSeconds,
             std::vector<std::string> extras = {});
    // A Markdown table, then time(next size) / time(size) for each pair of sizes that follow each other.
    std::string Text() const;

  private:
    struct Row {
        int size;
        int runs;
        double baseline;
        double velmora;
        std::vector<std::string> extras;
    };
    std::string title_;
    std::vector<std::string> extraColumns_;
    std::vector<Row> rows_;
};

// Bytes as "12.3 MB".
std::string Megabytes(size_t bytes);

}  // namespace velmora::bench
