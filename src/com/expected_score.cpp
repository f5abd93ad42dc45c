#include "com/expected_score.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dvk {

namespace {

constexpr int side = 2 * ExpectedScoreField::half_width + 1;
constexpr int subsamples = 4;

double normal_cdf(double z) {
    return 0.5 * std::erfc(-z / std::numbers::sqrt2);
}

// The board's points averaged over each 1 mm cell of the grid, computed once: it does not
// depend on the spread.
const std::vector<double>& cell_points() {
    static const std::vector<double> cells = [] {
        std::vector<double> out(static_cast<std::size_t>(side) * side);
        for (int row = 0; row < side; ++row) {
            for (int column = 0; column < side; ++column) {
                double sum = 0;
                for (int i = 0; i < subsamples; ++i) {
                    for (int j = 0; j < subsamples; ++j) {
                        const double x =
                            column - ExpectedScoreField::half_width - 0.5 + (i + 0.5) / subsamples;
                        const double y =
                            row - ExpectedScoreField::half_width - 0.5 + (j + 0.5) / subsamples;
                        sum += dart_at({x, y}).points();
                    }
                }
                out[static_cast<std::size_t>(row) * side + static_cast<std::size_t>(column)] =
                    sum / (subsamples * subsamples);
            }
        }
        return out;
    }();
    return cells;
}

// Weights of a normal spread over whole millimetres, -reach to +reach.
std::vector<double> kernel(double sigma, int& reach) {
    reach = std::min(side - 1, static_cast<int>(std::ceil(5 * sigma)) + 1);
    std::vector<double> weights(static_cast<std::size_t>(2 * reach + 1));
    for (int k = -reach; k <= reach; ++k) {
        weights[static_cast<std::size_t>(k + reach)] =
            sigma <= 0 ? (k == 0 ? 1.0 : 0.0)
                       : normal_cdf((k + 0.5) / sigma) - normal_cdf((k - 0.5) / sigma);
    }
    return weights;
}

// out(c, r) = sum over k of in(c + k*dc, r + k*dr) * w(k): the dart aimed at (c, r) lands k mm
// away with weight w(k). Cells off the grid score nothing.
std::vector<double> convolve(const std::vector<double>& in, double sigma, bool along_rows) {
    int reach = 0;
    const std::vector<double> w = kernel(sigma, reach);
    std::vector<double> out(in.size(), 0.0);
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            const int at = along_rows ? c : r;
            const int low = std::max(-reach, -at);
            const int high = std::min(reach, side - 1 - at);
            double sum = 0;
            for (int k = low; k <= high; ++k) {
                const int cc = along_rows ? c + k : c;
                const int rr = along_rows ? r : r + k;
                sum += in[static_cast<std::size_t>(rr) * side + static_cast<std::size_t>(cc)] *
                       w[static_cast<std::size_t>(k + reach)];
            }
            out[static_cast<std::size_t>(r) * side + static_cast<std::size_t>(c)] = sum;
        }
    }
    return out;
}

} // namespace

ExpectedScoreField::ExpectedScoreField(double sideways, double vertical)
    : m_values(convolve(convolve(cell_points(), sideways, true), vertical, false)) {}

double ExpectedScoreField::at(BoardPoint aim) const {
    const double fx = aim.x + half_width;
    const double fy = aim.y + half_width;
    if (fx < 0 || fy < 0 || fx > side - 1 || fy > side - 1) {
        return 0;
    }
    const int c = std::min(static_cast<int>(fx), side - 2);
    const int r = std::min(static_cast<int>(fy), side - 2);
    const double tx = fx - c;
    const double ty = fy - r;
    return (1 - ty) * ((1 - tx) * value(c, r) + tx * value(c + 1, r)) +
           ty * ((1 - tx) * value(c, r + 1) + tx * value(c + 1, r + 1));
}

BoardPoint ExpectedScoreField::best_aim() const {
    BoardPoint best{};
    double best_value = -1;
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            const double x = c - half_width;
            const double y = r - half_width;
            if (x * x + y * y > board_mm::double_outer * board_mm::double_outer) {
                continue;
            }
            if (value(c, r) > best_value) {
                best_value = value(c, r);
                best = {x, y};
            }
        }
    }
    return best;
}

double expected_score_direct(BoardPoint aim, double sideways, double vertical, double step) {
    const double reach_x = 5 * sideways;
    const double reach_y = 5 * vertical;
    double sum = 0;
    for (double dx = -reach_x; dx < reach_x; dx += step) {
        const double wx = normal_cdf((dx + step) / sideways) - normal_cdf(dx / sideways);
        for (double dy = -reach_y; dy < reach_y; dy += step) {
            const double wy = normal_cdf((dy + step) / vertical) - normal_cdf(dy / vertical);
            sum += wx * wy * dart_at({aim.x + dx + step / 2, aim.y + dy + step / 2}).points();
        }
    }
    return sum;
}

} // namespace dvk
