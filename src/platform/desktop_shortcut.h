#pragma once

#include <QString>
#include <QStringList>

namespace dvk {

// True when the command line (program first) is the one switch "/shortcut", in any case.
bool is_shortcut_command(const QStringList& arguments);

// One argument of a desktop entry's Exec key, quoted and escaped so that launchers pass it on
// unchanged whatever characters the path holds.
QString desktop_exec_argument(const QString& argument);

// The text of the launcher "dvk.desktop" for the executable, run in `working_folder`.
QString desktop_entry_text(const QString& executable, const QString& working_folder,
                           const QString& icon);

// Writes "dvk.desktop" into `desktop_folder`, which must exist; false on any failure.
bool write_desktop_shortcut(const QString& desktop_folder, const QString& executable,
                            const QString& working_folder, const QString& icon);

// The user's desktop folder, or empty when there is none.
QString desktop_folder();

// Puts a launcher for this program on the desktop, running it in the program folder. Fails
// silently; the result is only for the caller's curiosity.
bool create_desktop_shortcut();

} // namespace dvk
