#include "match/match.h"
#include "match/game_start.h"

#include <cerrno>
#include <cstring>

namespace dvk {

Match::Match(const AppOptions& settings, MatchPorts& ports, ShellPorts& shell, ScoreSheetView& view)
    : m_settings(settings), m_ports(ports), m_shell(shell), m_sheet(m_game, settings, ports, view) {
}

bool Match::store_current_game() {
    if (append_to_history(m_history, m_game) == AppendResult::OutOfMemory) {
        m_shell.show_error(std::strerror(ENOMEM));
        return false;
    }
    return true;
}

bool Match::start_game_from(const GameOptions& options, bool new_match) {
    if (!start_game(m_game, options, new_match, m_settings.check_out_mode != 0,
                    m_ports.local_time())) {
        m_shell.show_error(std::strerror(ENOMEM));
        return false;
    }
    return true;
}

bool Match::start_new_game(bool schedule) {
    // Without a schedule to start the game on the screen goes on, and is not stored.
    if ((schedule && m_settings.schedule.empty()) || !store_current_game()) {
        return false;
    }
    m_game.schedule_mode = schedule ? 1 : 0;
    m_game.game_index = 0;
    if (!start_game_from(schedule ? m_settings.schedule.front() : m_settings.game, true)) {
        return false;
    }
    m_shell.leg_limit_changed(m_game.leg_limit == 1);
    m_sheet.start_leg(true, true);
    m_shell.enable_modify_schedule(schedule);
    return true;
}

bool Match::next_game() {
    const int entries = static_cast<int>(m_settings.schedule.size());
    bool started = false;
    if (m_game.schedule_mode == 1 && m_game.game_index + 1 >= entries) {
        m_shell.refresh_player_information();
        if (store_current_game()) {
            // The finished game stays on the screen: the file must show it finished too, or a
            // restart would bring back its last leg with the winning visit undone.
            m_ports.write_recovery(m_game, RecoveryWrite::Complete, 0, 0);
            m_sheet.show_finished_game();
            FinalResult result;
            result.sets[0] = m_game.players[0].sets_won;
            result.sets[1] = m_game.players[1].sets_won;
            m_shell.show_final_result(result);
            m_shell.enable_modify_schedule(false);
        }
        return false;
    }
    if (store_current_game()) {
        ++m_game.game_index;
        const GameOptions& options =
            m_game.schedule_mode == 1
                ? m_settings.schedule[static_cast<std::size_t>(m_game.game_index)]
                : m_settings.game;
        started = start_game_from(options, false);
        if (started && m_game.schedule_mode == 1) {
            m_shell.refresh_player_information();
        }
    }
    if (started) {
        m_shell.leg_limit_changed(m_game.leg_limit == 1);
        m_sheet.start_leg(false, false);
    }
    return started;
}

bool Match::restart_schedule_entry(const GameOptions& replaced_entry) {
    const auto index = static_cast<std::size_t>(m_game.game_index);
    if (m_game.schedule_mode != 1 || m_game.game_index < 0 || index >= m_settings.schedule.size() ||
        m_game.legs.empty()) {
        return false;
    }
    // The game's first thrower was exchanged from the previous game's when it started; starting
    // it again exchanges from that same thrower, not a second time.
    LegRecord& first_leg = m_game.legs.front();
    if (replaced_entry.change_first == 1 && m_game.game_index != 0) {
        first_leg.first_player = other_player(first_leg.first_player);
    }
    if (!start_game_from(m_settings.schedule[index], false)) {
        return false;
    }
    m_shell.refresh_player_information();
    m_shell.leg_limit_changed(m_game.leg_limit == 1);
    m_sheet.start_leg(false, false);
    return true;
}

void Match::drop_last_stored_game() {
    drop_last_game(m_history);
}

void Match::continue_game(GameRecord game) {
    set_up_first_game(std::move(game));
    show_first_game();
}

bool Match::set_up_first_game(std::optional<GameRecord> recovered) {
    if (!recovered.has_value()) {
        m_game.schedule_mode = 0;
        m_game.game_index = 0;
        m_first_game_over = false;
        m_show_first_leg = start_game_from(m_settings.game, true) && m_sheet.set_up_leg(true, true);
        return m_show_first_leg;
    }
    m_game = std::move(*recovered);
    m_first_game_over = is_finished_last_game(m_game);
    // The history of the session that stored a game is gone: a game still being played is in
    // no history, and a finished one is again the one game this session has played.
    m_game.stored = 0;
    if (m_first_game_over) {
        store_current_game();
        m_game.stored = 1;
    }
    m_show_first_leg = m_sheet.take_recovered_game();
    return m_show_first_leg || m_first_game_over;
}

void Match::show_first_game() {
    // Whatever the screen derives from the game's options when a game starts is derived again
    // here, because a continued game never passes through that start.
    m_shell.leg_limit_changed(m_game.leg_limit == 1);
    if (m_first_game_over) {
        m_sheet.show_finished_game();
    } else if (m_show_first_leg) {
        m_sheet.announce_leg();
    }
    m_shell.enable_modify_schedule(m_game.schedule_mode == 1 && !m_first_game_over);
}

} // namespace dvk
