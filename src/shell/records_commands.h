#pragma once

#include "model/game_record.h"
#include "storage/auto_save_files.h"
#include "storage/write_failure_notices.h"

namespace dvk {

class MainWindow;

// The commands that look back at games and keep them: "Game History...", "Dart Out Shots..."
// and the auto save after each leg, whose failures are told once per reason and game while
// play goes on.
class RecordsCommands {
public:
    explicit RecordsCommands(MainWindow& window) : m_window(window) {}

    void gameHistory();
    // Opens the ways to finish the remaining score at the input cell.
    void dartOutShots();
    void autoSave(const GameRecord& game);

private:
    void tell(const WriteNotice& notice);

    MainWindow& m_window;
    AutoSaveFiles m_files;
};

} // namespace dvk
