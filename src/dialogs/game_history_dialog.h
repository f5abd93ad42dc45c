#pragma once

#include "com/arrange_table.h"
#include "dialogs/history_line_delegate.h"
#include "model/history_lines.h"
#include "settings/app_options.h"

#include <QDialog>
#include <filesystem>

#include <optional>
#include <vector>

class QListWidget;
class QPushButton;

namespace dvk {

class RememberedRect;

// "Game History": the games played since the program started and the game in progress, each
// with a line per completed leg. A line opens in the score list dialog ("View...", a double
// click or Enter); "Save As..." writes the line's game as a CSV file; "Clear" forgets the
// stored games.
class GameHistoryDialog : public QDialog {
    Q_OBJECT

public:
    GameHistoryDialog(HistoryList& history, const GameRecord& current, AppOptions& options,
                      const ArrangeTable& checkout_table, QWidget* owner = nullptr);

    // Opens the dialog modally (or records the call under a DialogScript). "Save As..." starts
    // in the auto-save folder: the configured one, else `data_folder`.
    static void open(QWidget* owner, HistoryList& history, const GameRecord& current,
                     AppOptions& options, const ArrangeTable& checkout_table,
                     const std::filesystem::path& data_folder = {});
    void setDataFolder(const std::filesystem::path& folder) { m_data_folder = folder; }

    QListWidget* list() const { return m_list; }
    QPushButton* button(const QString& name) const;
    const std::vector<HistoryLine>& lines() const { return m_lines; }
    // The selected line with its game and leg; no game when nothing is selected.
    HistoryLineDelegate::Shown selected() const;
    // Every line's texts, one text per line with the columns joined by '|'.
    QStringList lineTexts() const;

public Q_SLOTS:
    void view();
    void saveAs();
    void clear();

private:
    HistoryLineDelegate::Shown lineAt(int row) const;
    void refill();
    void updateButtons();

    HistoryList& m_history;
    const GameRecord& m_current;
    AppOptions& m_options;
    const ArrangeTable& m_checkout;
    std::filesystem::path m_data_folder;
    std::vector<HistoryLine> m_lines;

    QListWidget* m_list = nullptr;
    QPushButton* m_view = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_close = nullptr;
    RememberedRect* m_rect = nullptr;
};

} // namespace dvk
