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
    // False when the file could not be written.
    bool save(const QString& path) const;

    bool operator==(const CallerSettings&) const = default;
};

// Where the settings live: the file the plug-in's command line names, else dvk_caller.ini
// beside the program.
QString settings_path(const QString& cmd_line);

} // namespace dvk::caller
