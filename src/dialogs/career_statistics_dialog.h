#pragma once

#include "archive/archive_store.h"
#include "settings/app_options.h"

#include <QDate>
#include <QDialog>

#include <functional>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace dvk {

class CareerCharts;
class RememberedRect;

// "Career Statistics": a player's figures over every archived game, or over the games a filter
// chooses (period, opponent, start score, human or computer opponent), his record against each
// opponent, and charts of his career. Players can be renamed and merged; games come in from the
// program's CSV files and go out as flat CSV or JSON.
class CareerStatisticsDialog : public QDialog {
    Q_OBJECT

public:
    // The period choices, in the order of the period box.
    enum class Period { All, Last30Days, Last12Months, ThisYear, Dates };

    CareerStatisticsDialog(ArchiveStore& store, AppOptions& options, QWidget* owner = nullptr);

    // Opens the archive at `location` and the window on it, modally (or records the call under
    // a DialogScript). An archive that cannot be opened is told in an error box instead.
    static void open(QWidget* owner, const ArchiveLocation& location, AppOptions& options);

    // The date the relative periods count back from; today unless a test sets it.
    void setToday(const QDate& today);

    QString player() const;
    CareerFilter filter() const;
    // The figures as shown, "label=value" each.
    QStringList figureTexts() const;
    // The head-to-head rows as shown, the columns joined by '|' (filled once the page was shown).
    QStringList headToHeadTexts() const;
    QStringList chartSummary() const;
    QString statusText() const;

public Q_SLOTS:
    // Shows the figures, head-to-head and charts for the chosen player and filter.
    void refresh();
    void renamePlayer();
    void mergePlayer();
    void importFolder();
    void importFiles();
    // Writes every game, or only the chosen player's, as CSV or JSON.
    void exportGames(bool player_only, bool json);

private:
    QWidget* buildChoices();
    QWidget* buildButtons();
    void fillPlayers(const QString& keep);
    void fillFilterChoices();
    // Fills the Head to Head or Charts page when it is shown and the choices changed since.
    void fillShownPage();
    void showFigures(const CareerFigures& figures);
    void showHeadToHead(const std::vector<HeadToHeadRow>& rows);
    void importPaths(const std::vector<std::filesystem::path>& files);
    void updateButtons();

    ArchiveStore& m_store;
    AppOptions& m_options;
    QDate m_today;
    bool m_filling = false;
    bool m_stale_head_to_head = true;
    bool m_stale_charts = true;

    QComboBox* m_player = nullptr;
    QComboBox* m_period = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QComboBox* m_opponent = nullptr;
    QComboBox* m_start_score = nullptr;
    QComboBox* m_kind = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_merge = nullptr;
    QPushButton* m_com_like = nullptr;
    QPushButton* m_export = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_figures = nullptr;
    QTreeWidget* m_head_to_head = nullptr;
    CareerCharts* m_charts = nullptr;
    QLabel* m_status = nullptr;
    RememberedRect* m_rect = nullptr;
};

} // namespace dvk
