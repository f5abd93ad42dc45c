#include "sim_archive.h"

#include "archive/archive_store.h"
#include "career/career_rows.h"
#include "com/com_visit.h"
#include "match/automatic_ports.h"

#include <chrono>
#include <cstdio>

namespace dvk {

namespace {

// Automatic answers, with the computer's turns played here and each finished leg kept.
class SimPorts : public AutomaticPorts {
public:
    explicit SimPorts(AppOptions& settings) : m_settings(settings) {}

    bool computer_turn = false;
    std::vector<ArchivedLeg> legs;
    std::int64_t games = 0;

    void start_computer_turn() override { computer_turn = true; }
    void leg_finished(const GameRecord& game) override {
        if (std::optional<ArchivedLeg> rows = leg_rows(game, game.leg_index - 1, true)) {
            legs.push_back(std::move(*rows));
        }
    }
    // Every game gets the next pair of levels and starts seven minutes after the last.
    bool game_over() override {
        ++games;
        choose_levels(m_settings, games);
        advance(now, 7);
        return AutomaticPorts::game_over();
    }

    static void choose_levels(AppOptions& settings, std::int64_t game) {
        settings.game.p1_com_level = static_cast<std::int32_t>(game % 12);
        settings.game.p2_com_level = static_cast<std::int32_t>((game * 5 + 3) % 12);
    }

private:
    static void advance(SystemTime& t, int minutes) {
        int total = t.hour * 60 + t.minute + minutes;
        if (total >= 24 * 60) {
            total -= 24 * 60;
            if (++t.day > 28) {
                t.day = 1;
                if (++t.month > 12) {
                    t.month = 1;
                    ++t.year;
                }
            }
        }
        t.hour = static_cast<std::uint16_t>(total / 60);
        t.minute = static_cast<std::uint16_t>(total % 60);
    }

    AppOptions& m_settings;
};

bool flush(ArchiveStore& store, std::vector<ArchivedLeg>& legs, std::int64_t& written) {
    if (legs.empty()) {
        return true;
    }
    if (!store.write_legs(legs)) {
        std::fprintf(stderr, "dvk-sim: %s\n", store.error().text.c_str());
        return false;
    }
    written += static_cast<std::int64_t>(legs.size());
    legs.clear();
    return true;
}

} // namespace

int write_sim_archive(const SimArchiveOptions& options, ComThrower& thrower) {
    ArchiveStore store(archive_location_named(options.archive));
    if (!store.is_open()) {
        std::fprintf(stderr, "dvk-sim: %s: %s\n", options.archive.c_str(),
                     store.error().text.c_str());
        return 1;
    }
    AppOptions settings;
    settings.game.start_score = 501;
    settings.game.leg_limit = 1;
    settings.game.max_leg = 5;
    settings.game.best_of = 1;
    settings.game.p1_com = settings.game.p2_com = 1;
    SimPorts::choose_levels(settings, 0);
    SimPorts ports(settings);
    // Runs with other seeds start their games at other milliseconds: their games never share
    // an identity, as games on two boards never do.
    ports.now = SystemTime{2025, 1, 3, 1, 9, 0, 0, static_cast<std::uint16_t>(options.seed % 1000)};
    Match match(settings, ports, ports, ports);
    ports.match = &match;
    match.start_new_game(false);
    std::int64_t written = 0;
    const auto start = std::chrono::steady_clock::now();
    while (written + static_cast<std::int64_t>(ports.legs.size()) < options.legs &&
           ports.computer_turn) {
        ports.computer_turn = false;
        GameRecord& game = match.game();
        const int player = game.current_leg().next_player;
        ComVisit visit(game, player, thrower);
        while (!visit.finished()) {
            visit.tick();
        }
        game.players[static_cast<std::size_t>(player)].com_result = visit.result();
        match.sheet().apply_computer_result();
        if (static_cast<std::int64_t>(ports.legs.size()) >= options.batch &&
            !flush(store, ports.legs, written)) {
            return 1;
        }
    }
    if (!flush(store, ports.legs, written)) {
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%lld legs of %lld games written to %s in %.1f s (%lld legs per transaction)\n",
                static_cast<long long>(written), static_cast<long long>(ports.games + 1),
                store.location().describe().c_str(), seconds,
                static_cast<long long>(options.batch));
    return 0;
}

} // namespace dvk
