#include "shell/file_notices.h"

#include "platform/message_boxes.h"

#include <QTimer>
#include <QWidget>

namespace dvk {

namespace {

QString shown_path(const std::string& path) {
    return QString::fromStdString(path);
}

} // namespace

FileNotices::FileNotices(QWidget* owner) : QObject(owner), m_owner(owner) {}

void FileNotices::tell_write(const WriteNotice& notice) {
    const QString path = shown_path(notice.path);
    const QString reason = QString::fromStdString(notice.reason);
    const bool failed = notice.kind == WriteNotice::Kind::Failed;
    QString text;
    switch (notice.target) {
    case WriteTarget::Recovery:
        text = failed ? tr("The game in progress could not be saved to '%1' (%2); play goes on, "
                           "and you will be told when it is saved again.")
                            .arg(path, reason)
                      : tr("The game in progress is saved to '%1' again.").arg(path);
        break;
    case WriteTarget::Settings:
        text = failed ? settings_not_saved(path, reason)
                      : tr("The settings are saved to '%1' again.").arg(path);
        break;
    case WriteTarget::AutoSave:
        text = failed
                   ? tr("The game could not be saved automatically to '%1' (%2).").arg(path, reason)
                   : tr("Games are saved automatically to '%1' again.").arg(path);
        break;
    }
    post({failed, text});
}

void FileNotices::tell_kept_recovery(const std::filesystem::path& kept) {
    post({true, tr("The saved game could not be continued and was kept as '%1'.")
                    .arg(shown_path(kept.string()))});
}

void FileNotices::tell_unkept_recovery(const std::filesystem::path& path, const QString& reason) {
    post({true, tr("The saved game in '%1' could not be continued (%2).")
                    .arg(shown_path(path.string()), reason)});
}

void FileNotices::tell_unread_settings(const std::filesystem::path& path, const QString& reason) {
    post({true, tr("The settings in '%1' could not be read (%2). The program starts with the "
                   "default settings and does not save over that file.")
                    .arg(shown_path(path.string()), reason)});
}

void FileNotices::tell_unread_table(const std::filesystem::path& path, const QString& reason) {
    post({true, tr("The table '%1' could not be read (%2); the built-in table is used instead.")
                    .arg(shown_path(path.string()), reason)});
}

void FileNotices::tell_unknown_com_level(const std::filesystem::path& path) {
    post({true, tr("'%1' names a computer level that this version of dvk does not know; "
                   "Level 12 plays instead.")
                    .arg(shown_path(path.string()))});
}

QString FileNotices::settings_not_saved(const QString& path, const QString& reason) {
    return tr("The settings could not be saved to '%1' (%2).").arg(path, reason);
}

void FileNotices::tell_text(bool warning, const QString& text) {
    post({warning, text});
}

void FileNotices::release() {
    m_released = true;
    show_pending();
}

void FileNotices::post(Notice notice) {
    m_pending.append(std::move(notice));
    if (m_released && !m_scheduled) {
        m_scheduled = true;
        QTimer::singleShot(0, this, &FileNotices::show_pending);
    }
}

void FileNotices::show_pending() {
    m_scheduled = false;
    // A message posted while a box is open joins the queue of the loop already showing them.
    if (m_showing) {
        return;
    }
    m_showing = true;
    while (!m_pending.isEmpty()) {
        const Notice notice = m_pending.takeFirst();
        if (notice.warning) {
            MessageBoxes::warning(m_owner, notice.text);
        } else {
            MessageBoxes::information(m_owner, notice.text);
        }
    }
    m_showing = false;
}

} // namespace dvk
