#pragma once

#include "career/career_figures.h"
#include "career/career_series.h"

#include <string>
#include <vector>

namespace dvk {

// A player's career figures as dvk-stats prints them: one "label: value" line each.
std::string text_report(const std::string& player, const CareerFigures& figures,
                        const std::vector<HeadToHeadRow>& head_to_head);

// The same as one JSON object.
std::string json_report(const std::string& player, const CareerFigures& figures,
                        const std::vector<HeadToHeadRow>& head_to_head);

} // namespace dvk
