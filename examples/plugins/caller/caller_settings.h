#pragma once

#include "caller_announcer.h"

#include <QString>

namespace dvk::caller {

// The caller's settings, kept in an ini file of its own.
struct CallerSettings {
    bool enabled = true;
    CallerChoices choices;
    QString voice;     // a voice of the speech engine; empty for its default
    double rate = 0.0; // -1 slowest, 0 normal, 1 fastest

    // The settings in `path`; the defaults for what the file lacks.
    static CallerSettings load(const QString& path);
    // Writes the settings to `path`, making its folder when it is missing; false when the file
    // could not be written.
    bool save(const QString& path) const;

    bool operator==(const CallerSettings&) const = default;
};

// Why the settings file `path` cannot be written, in words for the user.
QString save_failure_reason(const QString& path);

// Where dvk keeps its settings, by the rules dvk itself follows: beside the program when it
// runs portable (started with --portable, DVK_FOLDERS=portable, or a dvk.ini, dvk.tmp or
// build folder beside it in a folder it may write), else the user's configuration folder
// ($XDG_CONFIG_HOME/dvk, by default ~/.config/dvk).
QString dvk_settings_folder();

// Where the caller's settings live: the file its command line names, else dvk_caller.ini in
// dvk's settings folder.
QString settings_path(const QString& cmd_line);

} // namespace dvk::caller
