#include "dialogs/game_csv_file.h"

#include "platform/file_dialogs.h"
#include "platform/local_time.h"
#include "platform/message_boxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTranslator>

#include <utility>

namespace dvk {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("CsvFile", text);
}

// The labels of the file, in their English source texts.
const std::pair<std::string CsvLabels::*, const char*> label_texts[] = {
    {&CsvLabels::com_name, QT_TRANSLATE_NOOP("CsvFile", "COM (Lv.%d)")},
    {&CsvLabels::com_average_name, QT_TRANSLATE_NOOP("CsvFile", "COM (Avg %d)")},
    {&CsvLabels::com_fitted_name, QT_TRANSLATE_NOOP("CsvFile", "COM like %s")},
    {&CsvLabels::totals, QT_TRANSLATE_NOOP("CsvFile", "Totals")},
    {&CsvLabels::sets, QT_TRANSLATE_NOOP("CsvFile", "Sets")},
    {&CsvLabels::legs, QT_TRANSLATE_NOOP("CsvFile", "Legs")},
    {&CsvLabels::tons, QT_TRANSLATE_NOOP("CsvFile", "Tons")},
    {&CsvLabels::count_100, QT_TRANSLATE_NOOP("CsvFile", "100+")},
    {&CsvLabels::count_140, QT_TRANSLATE_NOOP("CsvFile", "140+")},
    {&CsvLabels::count_180, QT_TRANSLATE_NOOP("CsvFile", "180's")},
    {&CsvLabels::high_out, QT_TRANSLATE_NOOP("CsvFile", "High Out")},
    {&CsvLabels::best, QT_TRANSLATE_NOOP("CsvFile", "Best")},
    {&CsvLabels::worst, QT_TRANSLATE_NOOP("CsvFile", "Worst")},
    {&CsvLabels::averages, QT_TRANSLATE_NOOP("CsvFile", "Averages")},
    {&CsvLabels::average_darts, QT_TRANSLATE_NOOP("CsvFile", "Darts")},
    {&CsvLabels::average_score, QT_TRANSLATE_NOOP("CsvFile", "Score")},
    {&CsvLabels::average_first9, QT_TRANSLATE_NOOP("CsvFile", "First 9")},
    {&CsvLabels::check_out_rate, QT_TRANSLATE_NOOP("CsvFile", "Check-Out")},
    {&CsvLabels::keep_rate, QT_TRANSLATE_NOOP("CsvFile", "Keep")},
    {&CsvLabels::break_rate, QT_TRANSLATE_NOOP("CsvFile", "Break")},
    {&CsvLabels::finish_stats, QT_TRANSLATE_NOOP("CsvFile", "Finish Stats")},
    {&CsvLabels::success_2_80, QT_TRANSLATE_NOOP("CsvFile", "2-80 Success")},
    {&CsvLabels::failure_2_80, QT_TRANSLATE_NOOP("CsvFile", "2-80 Failure")},
    {&CsvLabels::success_81_130, QT_TRANSLATE_NOOP("CsvFile", "81-130 Success")},
    {&CsvLabels::failure_81_130, QT_TRANSLATE_NOOP("CsvFile", "81-130 Failure")},
    {&CsvLabels::success_131, QT_TRANSLATE_NOOP("CsvFile", "131+ Success")},
    {&CsvLabels::failure_131, QT_TRANSLATE_NOOP("CsvFile", "131+ Failure")},
    {&CsvLabels::counts, QT_TRANSLATE_NOOP("CsvFile", "Counts")},
    {&CsvLabels::legs_played, QT_TRANSLATE_NOOP("CsvFile", "Legs")},
    {&CsvLabels::darts_won, QT_TRANSLATE_NOOP("CsvFile", "Darts Won")},
    {&CsvLabels::total_score, QT_TRANSLATE_NOOP("CsvFile", "Score")},
    {&CsvLabels::total_darts, QT_TRANSLATE_NOOP("CsvFile", "Darts")},
    {&CsvLabels::first9_score, QT_TRANSLATE_NOOP("CsvFile", "First 9 Score")},
    {&CsvLabels::first9_darts, QT_TRANSLATE_NOOP("CsvFile", "First 9 Darts")},
    {&CsvLabels::check_outs, QT_TRANSLATE_NOOP("CsvFile", "Check-Out")},
    {&CsvLabels::double_darts, QT_TRANSLATE_NOOP("CsvFile", "Double")},
    {&CsvLabels::keep_won, QT_TRANSLATE_NOOP("CsvFile", "Keep Won")},
    {&CsvLabels::keep_all, QT_TRANSLATE_NOOP("CsvFile", "Keep All")},
    {&CsvLabels::break_won, QT_TRANSLATE_NOOP("CsvFile", "Break Won")},
    {&CsvLabels::break_all, QT_TRANSLATE_NOOP("CsvFile", "Break All")},
    {&CsvLabels::round, QT_TRANSLATE_NOOP("CsvFile", "Round")},
    {&CsvLabels::scored, QT_TRANSLATE_NOOP("CsvFile", "Scored")},
    {&CsvLabels::to_go, QT_TRANSLATE_NOOP("CsvFile", "To Go")},
    {&CsvLabels::leg_darts, QT_TRANSLATE_NOOP("CsvFile", "Darts")},
};

// Shows the wait cursor for as long as it lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString save_as_folder(const std::filesystem::path& folder) {
    const QString wanted = QFile::decodeName(folder.string().c_str());
    if (!folder.empty() && QDir(wanted).exists()) {
        return wanted;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

CsvLocale GameCsvFile::user_locale() {
    CsvLocale locale;
    for (const auto& [label, text] : label_texts) {
        locale.labels.*label = translated(text).toStdString();
    }
    locale.date = [](const SystemTime& t) { return locale_date_text(t).toStdString(); };
    locale.time = [](const SystemTime& t) { return locale_time_text(t).toStdString(); };
    return locale;
}

std::vector<CsvLabels> GameCsvFile::import_languages() {
    std::vector<CsvLabels> languages = {CsvLabels{}};
    QTranslator japanese;
    if (japanese.load(QStringLiteral(":/i18n/dvk_ja.qm"))) {
        CsvLabels labels;
        for (const auto& [label, text] : label_texts) {
            const QString translation = japanese.translate("CsvFile", text);
            if (!translation.isEmpty()) {
                labels.*label = translation.toStdString();
            }
        }
        languages.push_back(std::move(labels));
    }
    return languages;
}

FileStatus GameCsvFile::write(const GameRecord& game, const std::filesystem::path& path) {
    const WaitCursor busy;
    // A game saved during a leg is written as its last completed leg left it: its leg tables
    // end there, and so do the totals above them.
    return write_game_csv(completed_legs_game(game), path, user_locale());
}

AutoSaveOutcome GameCsvFile::auto_save(const GameRecord& game, const std::string& auto_save_path,
                                       const std::filesystem::path& data_folder,
                                       AutoSaveFiles& files) {
    const WaitCursor busy;
    return auto_save_game(game, auto_save_path, data_folder, user_locale(), files);
}

bool GameCsvFile::save_as(QWidget* owner, const GameRecord& game,
                          const std::filesystem::path& folder) {
    SaveFileRequest request;
    request.title = translated(QT_TRANSLATE_NOOP("CsvFile", "Save As"));
    request.folder = save_as_folder(folder);
    request.proposed_name = QString::fromStdString(csv_file_name(game));
    request.filter = translated(QT_TRANSLATE_NOOP("CsvFile", "CSV (*.csv)"));
    request.default_suffix = QStringLiteral("csv");
    const QString path = FileDialogs::save_file_name(owner, request);
    if (path.isEmpty()) {
        return false;
    }
    const FileStatus status =
        write(game, std::filesystem::path(QFile::encodeName(path).toStdString()));
    if (!status.ok) {
        MessageBoxes::error(
            owner, translated(QT_TRANSLATE_NOOP("CsvFile", "'%1' could not be saved.\n%2"))
                       .arg(QDir::toNativeSeparators(path), QString::fromStdString(status.reason)));
        return false;
    }
    return true;
}

} // namespace dvk
