#pragma once

namespace dvk {

class MainWindow;

// The commands of the Game menu that change options: "&Option...", "N&ew Schedule..." and
// "&Modify Schedule...", with what the main window does once they are confirmed.
class OptionCommands {
public:
    explicit OptionCommands(MainWindow& window) : m_window(window) {}

    // The Option dialog with its pages View, Player, Key and Plug-in; on "OK" the options are
    // saved and every window takes them again.
    void option();
    // Edits the schedule and, on "Game On", starts a match in schedule mode from its first game.
    void newSchedule();
    // Edits the running schedule; an untouched current game starts again from its entry.
    void modifySchedule();

private:
    MainWindow& m_window;
};

} // namespace dvk
