#include "career/career_series.h"

namespace dvk {

std::vector<double> moving_average(const std::vector<double>& values, std::size_t window) {
    std::vector<double> averages;
    if (window == 0) {
        return averages;
    }
    averages.reserve(values.size());
    double sum = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        sum += values[i];
        if (i >= window) {
            sum -= values[i - window];
        }
        averages.push_back(sum / static_cast<double>(std::min(i + 1, window)));
    }
    return averages;
}

void finish_percent(FinishRange& range) {
    range.percent = career_quotient(range.successes, range.successes + range.failures, 100);
}

} // namespace dvk
