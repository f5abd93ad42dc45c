#include "plugins/records/score_list_copy.h"

namespace dvk {
namespace {

// The Windows original drew circles at this multiple of their size and shrank them.
constexpr std::int32_t circle_scale = 4;

void fill_geometry(dvk_score_list_state& s, const ScoreListDrawing& list) {
    const ScoreListColumns& c = list.columns;
    s.p1_scored_left = c.scored_left[0];
    s.p2_scored_left = c.scored_left[1];
    s.p1_scored_right = c.scored_right[0];
    s.p2_scored_right = c.scored_right[1];
    s.p1_to_go_right = c.to_go_right[0];
    s.p2_to_go_right = c.to_go_right[1];
    s.template_width = c.width;
    s.template_height = list.template_height;
    s.template_rebuild = list.template_rebuild ? 1 : 0;
    s.template_first_player = list.template_first_player;
    s.header_height = list.header_height;
    s.row_height = list.row_height;
    s.circle_scale = circle_scale;
}

// Copies a saved game into the embedded record and its place: shown leg and input cell.
std::unique_ptr<GameRecordCopy> embed(const std::optional<SavedGame>& saved,
                                      dvk_game_record& record, std::int32_t& shown_leg,
                                      std::int32_t& player, std::int32_t& round) {
    if (!saved.has_value()) {
        return nullptr;
    }
    auto copy = std::make_unique<GameRecordCopy>(saved->game);
    copy->fill(record);
    shown_leg = saved->shown_leg;
    player = saved->cell.player;
    round = saved->cell.round;
    return copy;
}

} // namespace

ScoreListCopy::ScoreListCopy(const PluginRecordSources& sources, dvk_game_record* shown_game) {
    dvk_score_list_state& s = m_state;
    fill_geometry(s, sources.list);
    s.game = shown_game;
    const ScoreSheet* sheet = sources.sheet;
    if (sheet == nullptr) {
        return;
    }
    s.input_player = sheet->input_cell().player;
    s.input_round = sheet->input_cell().round;
    s.shown_leg = sheet->shown_leg();
    s.view_only = sheet->view_only() ? 1 : 0;
    s.input_disabled = sheet->input_disabled() ? 1 : 0;
    s.largest_top = sheet->largest_top();
    s.top = sheet->top();
    s.rows_per_page = sheet->rows_per_page();
    m_previous = embed(sheet->previous_copy(), s.previous, s.previous_shown_leg,
                       s.previous_input_player, s.previous_input_round);
    s.has_previous = m_previous != nullptr ? 1 : 0;
    m_forward = embed(sheet->forward_copy(), s.forward, s.forward_shown_leg, s.forward_input_player,
                      s.forward_input_round);
    s.forward_pending = m_forward != nullptr ? 1 : 0;
}

const GameRecordCopy* ScoreListCopy::copy_of(const dvk_game_record* record) const {
    if (record == &m_state.previous) {
        return m_previous.get();
    }
    if (record == &m_state.forward) {
        return m_forward.get();
    }
    return nullptr;
}

} // namespace dvk
