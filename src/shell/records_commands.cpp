#include "shell/records_commands.h"

#include "dialogs/dart_out_shots_dialog.h"
#include "dialogs/game_csv_file.h"
#include "dialogs/game_history_dialog.h"
#include "platform/message_boxes.h"
#include "shell/main_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

namespace dvk {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("RecordsCommands", text);
}

} // namespace

void RecordsCommands::gameHistory() {
    Match& match = m_window.match();
    GameHistoryDialog::open(&m_window, match.history(), match.game(), m_window.options(),
                            *m_window.context().checkout_table, m_window.context().data_folder);
}

void RecordsCommands::dartOutShots() {
    const ScoreSheet& sheet = m_window.match().sheet();
    if (sheet.input_disabled() || !sheet.game().has_current_leg()) {
        return;
    }
    DartOutShotsDialog::open(&m_window, sheet.remaining_at(sheet.input_cell()),
                             *m_window.context().checkout_table, m_window.options().arrange_window);
}

void RecordsCommands::autoSave(const GameRecord& game) {
    WriteFailureNotices& notices = m_window.writeNotices();
    if (m_files.is_new_game(game)) {
        notices.forget(WriteTarget::AutoSave);
    }
    const AutoSaveOutcome outcome = GameCsvFile::auto_save(game, m_window.options().auto_save_path,
                                                           m_window.context().data_folder, m_files);
    if (const auto notice =
            notices.record(WriteTarget::AutoSave, outcome.file.string(), outcome.status)) {
        // Told once the next leg is set up: the box must not open in the middle of the move
        // from leg to leg, and the screen behind it shows the game as it goes on.
        QTimer::singleShot(0, &m_window, [this, told = *notice] { tell(told); });
    }
}

void RecordsCommands::tell(const WriteNotice& notice) {
    const QString file = QDir::toNativeSeparators(QFile::decodeName(notice.path.c_str()));
    if (notice.kind == WriteNotice::Kind::Succeeded) {
        MessageBoxes::information(
            &m_window,
            translated(QT_TRANSLATE_NOOP("RecordsCommands",
                                         "The score is saved automatically again, at '%1'."))
                .arg(file));
        return;
    }
    MessageBoxes::error(
        &m_window,
        translated(QT_TRANSLATE_NOOP("RecordsCommands",
                                     "The score could not be saved automatically at '%1'.\n%2"))
            .arg(file, QString::fromStdString(notice.reason)));
}

} // namespace dvk
