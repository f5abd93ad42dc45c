#pragma once

#include "fuzz_input.h"
#include "match/automatic_ports.h"
#include "storage/recovery_writer.h"

#include <map>
#include <string>

namespace dvk::fuzz {

// A recovery file kept in memory. Replacing and reserving can be made to fail, as on a full
// disk, so that the writer's way around it is fuzzed as well.
class MemoryDisk final : public RecoveryDisk {
public:
    bool replace_fails = false;

    FileContents read(const std::filesystem::path& path) override {
        FileContents contents;
        const auto found = m_files.find(path.string());
        contents.ok = found != m_files.end();
        contents.missing = !contents.ok;
        if (contents.ok) {
            contents.bytes = found->second;
        }
        return contents;
    }
    std::optional<std::uint64_t> size(const std::filesystem::path& path) override {
        const auto found = m_files.find(path.string());
        if (found == m_files.end()) {
            return std::nullopt;
        }
        return found->second.size();
    }
    FileStatus replace(const std::filesystem::path& path, std::string_view bytes) override {
        if (replace_fails) {
            return FileStatus::failure("No space left on device");
        }
        m_files[path.string()] = std::string(bytes);
        return FileStatus::success();
    }
    FileStatus patch(const std::filesystem::path& path,
                     std::span<const FilePatch> patches) override {
        const auto found = m_files.find(path.string());
        if (found == m_files.end()) {
            return FileStatus::failure("No such file or directory");
        }
        for (const FilePatch& patch : patches) {
            if (patch.offset + patch.bytes.size() > found->second.size()) {
                return FileStatus::failure("Invalid argument");
            }
            found->second.replace(patch.offset, patch.bytes.size(), patch.bytes);
        }
        return FileStatus::success();
    }
    FileStatus reserve(const std::filesystem::path& path, std::uint64_t size) override {
        if (replace_fails) {
            return FileStatus::failure("No space left on device");
        }
        std::string& file = m_files[path.string()];
        file.resize(std::max<std::size_t>(file.size(), static_cast<std::size_t>(size)), '\0');
        return FileStatus::success();
    }
    FileStatus rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        const auto found = m_files.find(from.string());
        if (found == m_files.end()) {
            return FileStatus::failure("No such file or directory");
        }
        m_files[to.string()] = std::move(found->second);
        m_files.erase(from.string());
        return FileStatus::success();
    }

private:
    std::map<std::string, std::string> m_files;
};

// Every question of the match answered from the fuzzer's bytes; the recovery file is written
// to memory as the program writes it to disk.
class FuzzPorts final : public AutomaticPorts {
public:
    FuzzPorts(FuzzInput& in, const AppOptions& settings)
        : m_in(in), m_settings(settings), m_writer("dvk.tmp", disk) {}

    MemoryDisk disk;
    // Set after a write the writer reported as done; the file must then hold the game.
    bool written = false;
    // Whether the last write was done: a failed one leaves the file behind the game until the
    // next write, which replaces it whole.
    bool in_sync = false;
    // When set, the plug-ins answer visits, wins and Previous Leg from the fuzzer's bytes:
    // refusals, and for visits and wins re-reads of an entry they rewrote.
    bool plugin_answers = false;

    int notify_plugins(int event, int) override {
        const bool asks = event == plugin_event_visit || event == plugin_event_leg_won ||
                          event == plugin_event_previous_leg;
        if (!plugin_answers || !asks || match == nullptr) {
            return 0;
        }
        int answer = m_in.byte() & (plugin_answer_refuse | plugin_answer_reread);
        // Only a visit or a win is read again after the plug-ins were told of it.
        if (event == plugin_event_previous_leg) {
            answer &= plugin_answer_refuse;
        }
        if ((answer & plugin_answer_reread) != 0) {
            match->sheet().rewrite_input_entry(static_cast<std::int16_t>(m_in.number(-4, 181)));
        }
        return answer;
    }

    int ask_checkout_darts(int) override { return m_in.number(0, 3); }
    int ask_double_darts(int shown, int, int) override {
        return m_in.flag() ? shown : m_in.number(0, 255);
    }
    bool confirm_game_shot(int, int, bool, const std::string&) override { return !m_in.flag(); }
    int choose_diddle_winner(const std::string&, const std::string&) override {
        return m_in.number(-1, 1);
    }
    bool confirm_check_in(int, const std::string&) override { return !m_in.flag(); }
    bool ask_yes_no(Question) override { return !m_in.flag(); }
    void write_recovery(const GameRecord& game, RecoveryWrite mode, int player,
                        int round) override {
        disk.replace_fails = (m_in.byte() & 0x0F) == 0;
        written =
            m_writer
                .write(true, mode, RecoveryContent{m_settings.game, m_settings.schedule, game},
                       player, round)
                .ok;
        in_sync = written;
    }

private:
    FuzzInput& m_in;
    const AppOptions& m_settings;
    RecoveryWriter m_writer;
};

} // namespace dvk::fuzz
