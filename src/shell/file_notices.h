#pragma once

#include "storage/write_failure_notices.h"

#include <QList>
#include <QObject>
#include <QString>

#include <filesystem>

namespace dvk {

// Tells the user about the program's own files: a saved game that could not be continued, and
// writes of the recovery file, the settings or auto save that fail or work again. The messages
// wait in a queue and are shown one after another, never in the middle of a change to the
// game; until `release` they wait for the window to be painted.
class FileNotices : public QObject {
    Q_OBJECT
public:
    explicit FileNotices(QWidget* owner);

    void tell_write(const WriteNotice& notice);
    // A saved game that was refused and kept under `kept`.
    void tell_kept_recovery(const std::filesystem::path& kept);
    // A saved game that was refused and could not be kept; `reason` is the system's text.
    void tell_unkept_recovery(const std::filesystem::path& path, const QString& reason);
    // Any other message about the program's files, a warning or an information.
    void tell_text(bool warning, const QString& text);

    // A settings file that exists but could not be read: the defaults are used, and the file
    // is not saved over.
    void tell_unread_settings(const std::filesystem::path& path, const QString& reason);
    // A table file that exists but could not be used: the built-in table takes its place.
    void tell_unread_table(const std::filesystem::path& path, const QString& reason);

    // A file that names a computer level this version does not know; it plays as Level 12.
    void tell_unknown_com_level(const std::filesystem::path& path);

    // The text of a failed save of the settings to `path`.
    static QString settings_not_saved(const QString& path, const QString& reason);

    // From now on queued messages are shown as soon as the event loop is idle; those waiting
    // are shown at once.
    void release();
    // Shows every queued message now, one after another.
    void show_pending();

private:
    struct Notice {
        bool warning = true;
        QString text;
    };
    void post(Notice notice);

    QWidget* m_owner;
    QList<Notice> m_pending;
    bool m_released = false;
    bool m_scheduled = false;
    bool m_showing = false;
};

} // namespace dvk
