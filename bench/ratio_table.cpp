#include "bench/ratio_table.h"

#include <algorithm>
#include <cstdio>

namespace velmora::bench {
namespace {

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

}  // namespace

double Median(std::vector<double> samples) {
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

std::string Megabytes(size_t bytes) {
    return Format("%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
}

RatioTable::RatioTable(std::string title, std::vector<std::string> extraColumns)
    : title_(std::move(title)), extraColumns_(std::move(extraColumns)) {}

void RatioTable::Add(int size,
                     const std::vector<double>& baselineSeconds,
                     const std::vector<double>& velmoraSeconds,
                     std::vector<std::string> extras) {
    rows_.push_back({size, static_cast<int>(std::min(baselineSeconds.size(), velmoraSeconds.size())),
                     Median(baselineSeconds), Median(velmoraSeconds), std::move(extras)});
}

std::string RatioTable::Text() const {
    std::string text = title_ + "\n\n| N | runs | baseline | Velmora | ratio |";
    std::string rule = "|---|---|---|---|---|";
    for (const std::string& column : extraColumns_) {
        text += " " + column + " |";
        rule += "---|";
    }
    text += "\n" + rule + "\n";
    for (const Row& row : rows_) {
        text += "| " + std::to_string(row.size) + " | " + std::to_string(row.runs) + " | " +
                Format("%.3f s", row.baseline) + " | " + Format("%.3f s", row.velmora) + " | " +
                Format("%.2f", row.baseline > 0 ? row.velmora / row.baseline : 0) + " |";
        for (const std::string& extra : row.extras)
            text += " " + extra + " |";
        text += "\n";
    }
    for (size_t i = 1; i < rows_.size(); ++i) {
        const Row& from = rows_[i - 1];
        const Row& to = rows_[i];
        text += "\ntime(" + std::to_string(to.size) + ") / time(" + std::to_string(from.size) + "): Velmora " +
                Format("%.2f", from.velmora > 0 ? to.velmora / from.velmora : 0) + ", baseline " +
                Format("%.2f", from.baseline > 0 ? to.baseline / from.baseline : 0);
    }
    return text + "\n";
}

}  // namespace velmora::bench
