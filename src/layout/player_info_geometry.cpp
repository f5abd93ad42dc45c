#include "layout/player_info_geometry.h"

#include <algorithm>

namespace dvk {

namespace {

constexpr int smallest_points = 9;
constexpr int smallest_large_points = 14;

int measured(const std::function<int(int)>& measure, int points) {
    return measure ? std::max(0, measure(points)) : 0;
}

int left_edge(int width, int text_width, bool large_font) {
    const int sixth = width / 6;
    const int centred = (width - text_width) / 2;
    return (sixth < centred && !large_font) ? sixth : std::max(0, centred);
}

bool ends_with_gap(const std::vector<PlayerInfoRow>& rows) {
    return !rows.empty() && (rows.back().kind == PlayerInfoRowKind::figure ||
                             rows.back().kind == PlayerInfoRowKind::counts);
}

} // namespace

PlayerInfoFontSizes player_info_start_sizes(int width, bool long_label) {
    PlayerInfoFontSizes sizes;
    sizes.main = std::max(smallest_points, width / (long_label ? 14 : 10));
    sizes.small = sizes.main / 5 > 2 ? 4 * (sizes.main / 5) : smallest_points;
    sizes.large = width / 5 > 13 ? width / 5 : smallest_large_points;
    return sizes;
}

PlayerInfoFit fit_player_info_fonts(const PlayerInfoFitRequest& request,
                                    const std::vector<PlayerInfoRow>& skeleton,
                                    const PlayerInfoMeasure& measure) {
    PlayerInfoFit fit;
    fit.sizes = player_info_start_sizes(request.width, request.long_label);
    fit.metrics.large_form = request.large_form;
    const auto needed = [&fit, &skeleton] {
        return fit.header_height + player_info_content_height(skeleton, fit.metrics);
    };
    for (;;) {
        fit.metrics.line = measured(measure.main_line, fit.sizes.main);
        fit.metrics.gap = fit.metrics.line / 2;
        fit.metrics.small_line = measured(measure.small_line, fit.sizes.small);
        fit.header_height = measured(measure.header, fit.sizes.main);
        if (request.fixed_fonts) {
            break;
        }
        fit.metrics.large_line =
            request.large_form ? measured(measure.large_line, fit.sizes.large) : 0;
        while (needed() > request.height && fit.metrics.gap > 0) {
            --fit.metrics.gap;
        }
        if (needed() <= request.height) {
            break;
        }
        const bool large_at_smallest =
            !request.large_form || fit.sizes.large <= smallest_large_points;
        if (fit.sizes.main <= smallest_points && large_at_smallest) {
            break;
        }
        fit.sizes.small = std::max(smallest_points, fit.sizes.small - 1);
        fit.sizes.large = std::max(smallest_large_points, fit.sizes.large - 1);
        fit.sizes.main = std::max(smallest_points, fit.sizes.main - 1);
    }
    return fit;
}

PlayerInfoIndent player_info_indent(int width, int figure_width, int suggestion_width,
                                    int average_char_width, bool large_font) {
    PlayerInfoIndent indent;
    indent.label = left_edge(width, figure_width, large_font);
    indent.title = std::max(0, indent.label - 2 * average_char_width);
    indent.suggestion = left_edge(width, suggestion_width, large_font);
    return indent;
}

PlayerInfoLayout place_player_info_rows(const std::vector<PlayerInfoRow>& rows,
                                        const PlayerInfoMetrics& metrics,
                                        const PlayerInfoIndent& indent, int width) {
    PlayerInfoLayout layout;
    const int r = metrics.line;
    const int g = metrics.gap;
    const int x = indent.label;
    const int between = std::max(0, width - 2 * x);
    int y = 0;
    const auto place = [&layout](std::size_t row, PlayerInfoPart part, PlayerInfoFont font,
                                 PlayerInfoAlign align, int left, int top, int w, int h) {
        layout.placements.push_back({row, part, font, align, left, top, std::max(0, w), h});
    };
    using F = PlayerInfoFont;
    using A = PlayerInfoAlign;
    using P = PlayerInfoPart;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        switch (rows[i].kind) {
        case PlayerInfoRowKind::first:
            if (rows[i].marked) {
                place(i, P::label, F::main, A::centre, 0, y, width, r);
            }
            y += r;
            break;
        case PlayerInfoRowKind::title:
            place(i, P::label, F::main, A::left, indent.title, y, width - indent.title, r);
            y += r;
            break;
        case PlayerInfoRowKind::figure:
            place(i, P::label, F::main, A::left, x, y, between, r);
            if (metrics.large_form) {
                place(i, P::value, F::large, A::centre, 0, y + r, width, metrics.large_line);
                y += r + metrics.large_line + g;
            } else {
                place(i, P::value, F::main, A::right, x, y, between, r);
                y += r + g;
            }
            break;
        case PlayerInfoRowKind::counts:
            y -= g;
            if (metrics.large_form) {
                place(i, P::value, F::main, A::centre, 0, y, width, r);
                y += r + g;
            } else {
                place(i, P::value, F::small, A::right, x, y, between, metrics.small_line);
                y += metrics.small_line + g;
            }
            break;
        case PlayerInfoRowKind::suggestion:
            place(i, P::value, F::main, A::left, indent.suggestion, y, width - indent.suggestion,
                  r);
            y += r;
            break;
        }
    }
    if (ends_with_gap(rows)) {
        y -= g;
    }
    layout.content_height = std::max(0, y);
    return layout;
}

int player_info_content_height(const std::vector<PlayerInfoRow>& rows,
                               const PlayerInfoMetrics& metrics) {
    return place_player_info_rows(rows, metrics, PlayerInfoIndent{}, 0).content_height;
}

} // namespace dvk
