#pragma once

#include "com/com_thrower.h"

#include <cstdint>
#include <string>

namespace dvk {

// What `dvk-sim --archive` does: games of 501, best of five legs, computer against computer,
// with levels that change from game to game, every finished leg written into the archive.
struct SimArchiveOptions {
    std::string archive;    // a SQLite file or a postgresql:// address
    std::int64_t legs = 0;  // finished legs to write
    std::int64_t batch = 1; // legs per transaction: 1 writes each leg as the program does
    std::uint32_t seed = 1; // also sets the games' start times apart between runs
};

// Plays and writes; prints what it wrote and how long it took. Returns the exit code.
int write_sim_archive(const SimArchiveOptions& options, ComThrower& thrower);

} // namespace dvk
