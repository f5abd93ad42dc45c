#include "dialogs/career_statistics_dialog.h"

#include "archive/csv_started.h"
#include "career/player_names.h"
#include "dialogs/career_charts.h"
#include "dialogs/career_com_like.h"
#include "dialogs/career_figure_rows.h"
#include "dialogs/career_file_choices.h"
#include "dialogs/career_name_questions.h"
#include "dialogs/game_csv_file.h"
#include "dialogs/remembered_rect.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "platform/system_services.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dvk {

namespace {

constexpr QSize designed_size(900, 640);
// Refused files listed by name in the import's report; the rest are counted.
constexpr int refusals_listed = 12;

SystemTime start_of(const QDate& date) {
    return SystemTime{static_cast<std::uint16_t>(date.year()),
                      static_cast<std::uint16_t>(date.month()),
                      0,
                      static_cast<std::uint16_t>(date.day()),
                      0,
                      0,
                      0,
                      0};
}

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

std::filesystem::path path_of(const QString& file) {
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

QTreeWidget* table(QWidget* parent, const char* name, const QStringList& columns) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(QString::fromLatin1(name));
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setAlternatingRowColors(true);
    tree->setHeaderLabels(columns);
    tree->header()->setStretchLastSection(false);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return tree;
}

QLabel* buddy_label(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

} // namespace

CareerStatisticsDialog::CareerStatisticsDialog(ArchiveStore& store, AppOptions& options,
                                               QWidget* owner)
    : QDialog(owner), m_store(store), m_options(options), m_today(QDate::currentDate()) {
    setObjectName(QStringLiteral("CareerStatisticsDialog"));
    setWindowTitle(tr("Career Statistics"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pages"));
    m_figures = table(m_tabs, "figures", {tr("Figure"), tr("Value")});
    m_head_to_head = table(m_tabs, "head_to_head", CareerFigureRows::head_to_head_columns());
    m_charts = new CareerCharts(m_tabs);
    m_tabs->addTab(m_figures, tr("&Figures"));
    m_tabs->addTab(m_head_to_head, tr("&Head to Head"));
    m_tabs->addTab(m_charts, tr("Ch&arts"));
    connect(m_tabs, &QTabWidget::currentChanged, this, &CareerStatisticsDialog::fillShownPage);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildChoices());
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_status);
    layout->addWidget(buildButtons());
    setMinimumSize(560, 420);
    resize(designed_size);

    fillPlayers({});
    m_player->setFocus();
    m_rect = new RememberedRect(this, m_options.career_window);
    m_rect->restore();
}

QWidget* CareerStatisticsDialog::buildChoices() {
    auto* box = new QWidget(this);
    const auto combo = [box](const char* name) {
        auto* c = new QComboBox(box);
        c->setObjectName(QString::fromLatin1(name));
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return c;
    };
    m_player = combo("player");
    m_player->setMinimumContentsLength(16);
    m_period = combo("period");
    m_period->addItems({tr("All games"), tr("Last 30 days"), tr("Last 12 months"), tr("This year"),
                        tr("Between dates")});
    m_from = new QDateEdit(m_today.addYears(-1), box);
    m_from->setObjectName(QStringLiteral("from"));
    m_to = new QDateEdit(m_today, box);
    m_to->setObjectName(QStringLiteral("to"));
    for (QDateEdit* date : {m_from, m_to}) {
        date->setCalendarPopup(true);
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }
    m_opponent = combo("opponent");
    m_start_score = combo("start_score");
    m_kind = combo("opponent_kind");
    m_kind->addItems({tr("Humans and computers"), tr("Humans"), tr("Computers")});
    m_rename = new QPushButton(tr("Re&name..."), box);
    m_rename->setObjectName(QStringLiteral("rename"));
    m_merge = new QPushButton(tr("&Merge..."), box);
    m_merge->setObjectName(QStringLiteral("merge"));
    m_com_like = new QPushButton(tr("COM &Like This Player..."), box);
    m_com_like->setObjectName(QStringLiteral("com_like"));

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(buddy_label(tr("&Player:"), m_player), 0, 0);
    grid->addWidget(m_player, 0, 1);
    grid->addWidget(m_rename, 0, 2);
    grid->addWidget(m_merge, 0, 3);
    grid->addWidget(m_com_like, 3, 2, 1, 2);
    grid->addWidget(buddy_label(tr("P&eriod:"), m_period), 1, 0);
    grid->addWidget(m_period, 1, 1);
    grid->addWidget(m_from, 1, 2);
    grid->addWidget(m_to, 1, 3);
    grid->addWidget(buddy_label(tr("&Opponent:"), m_opponent), 2, 0);
    grid->addWidget(m_opponent, 2, 1);
    grid->addWidget(buddy_label(tr("Opponent &type:"), m_kind), 2, 2);
    grid->addWidget(m_kind, 2, 3);
    grid->addWidget(buddy_label(tr("&Start score:"), m_start_score), 3, 0);
    grid->addWidget(m_start_score, 3, 1);
    grid->setColumnStretch(4, 1);

    connect(m_player, &QComboBox::currentIndexChanged, this, [this] {
        fillFilterChoices();
        refresh();
    });
    for (QComboBox* c : {m_period, m_opponent, m_start_score, m_kind}) {
        connect(c, &QComboBox::currentIndexChanged, this, &CareerStatisticsDialog::refresh);
    }
    for (QDateEdit* date : {m_from, m_to}) {
        connect(date, &QDateEdit::dateChanged, this, &CareerStatisticsDialog::refresh);
    }
    connect(m_rename, &QPushButton::clicked, this, &CareerStatisticsDialog::renamePlayer);
    connect(m_merge, &QPushButton::clicked, this, &CareerStatisticsDialog::mergePlayer);
    connect(m_com_like, &QPushButton::clicked, this, [this] {
        offer_com_like_player(this, m_store, m_options, player(),
                              m_player->currentData(Qt::UserRole + 1).toBool());
    });
    return box;
}

QWidget* CareerStatisticsDialog::buildButtons() {
    auto* box = new QWidget(this);
    auto* import = new QPushButton(tr("&Import"), box);
    import->setObjectName(QStringLiteral("import"));
    auto* import_menu = new QMenu(import);
    import_menu->addAction(tr("&A Folder of CSV Files..."), this,
                           &CareerStatisticsDialog::importFolder);
    import_menu->addAction(tr("CSV &Files..."), this, &CareerStatisticsDialog::importFiles);
    import->setMenu(import_menu);

    m_export = new QPushButton(tr("E&xport"), box);
    m_export->setObjectName(QStringLiteral("export"));
    auto* export_menu = new QMenu(m_export);
    export_menu->addAction(tr("&All Games as CSV..."), this, [this] { exportGames(false, false); });
    export_menu->addAction(tr("All Games as &JSON..."), this, [this] { exportGames(false, true); });
    export_menu->addAction(tr("This &Player's Games as CSV..."), this,
                           [this] { exportGames(true, false); });
    export_menu->addAction(tr("This Player's Games as J&SON..."), this,
                           [this] { exportGames(true, true); });
    m_export->setMenu(export_menu);

    auto* close = new QPushButton(tr("&Close"), box);
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(import);
    row->addWidget(m_export);
    row->addStretch();
    row->addWidget(close);
    return box;
}

void CareerStatisticsDialog::open(QWidget* owner, const ArchiveLocation& location,
                                  AppOptions& options) {
    if (DialogScript::take_answer(QStringLiteral("CareerStatisticsDialog"),
                                  {{QStringLiteral("archive"), text_of(location.describe())}})) {
        return;
    }
    ArchiveStore store(location);
    if (!store.is_open()) {
        MessageBoxes::error(owner,
                            tr("The archive at %1 cannot be opened.\n%2")
                                .arg(text_of(location.describe()), text_of(store.error().text)));
        return;
    }
    CareerStatisticsDialog dialog(store, options, owner);
    dialog.exec();
}

void CareerStatisticsDialog::setToday(const QDate& today) {
    m_today = today;
    const bool filling = std::exchange(m_filling, true);
    m_from->setDate(today.addYears(-1));
    m_to->setDate(today);
    m_filling = filling;
    refresh();
}

QString CareerStatisticsDialog::player() const {
    return m_player->currentData().toString();
}

CareerFilter CareerStatisticsDialog::filter() const {
    CareerFilter filter;
    switch (static_cast<Period>(m_period->currentIndex())) {
    case Period::All:
        break;
    case Period::Last30Days:
        filter.from = start_of(m_today.addDays(-29));
        break;
    case Period::Last12Months:
        filter.from = start_of(m_today.addYears(-1).addDays(1));
        break;
    case Period::ThisYear:
        filter.from = start_of(QDate(m_today.year(), 1, 1));
        break;
    case Period::Dates:
        filter.from = start_of(m_from->date());
        filter.to = start_of(m_to->date()); // midnight: the whole day counts
        break;
    }
    if (m_opponent->currentIndex() > 0) {
        filter.opponent = m_opponent->currentData().toString().toStdString();
    }
    if (m_start_score->currentIndex() > 0) {
        filter.start_score = m_start_score->currentData().toInt();
    }
    filter.opponent_kind = static_cast<OpponentKind>(m_kind->currentIndex());
    return filter;
}

void CareerStatisticsDialog::fillPlayers(const QString& keep) {
    m_filling = true;
    m_player->clear();
    // Without a player to keep, the window opens on the one who played most.
    int most = 0;
    std::int64_t most_games = -1;
    for (const PlayerSummary& summary : m_store.players()) {
        const QString name = text_of(summary.name);
        m_player->addItem(name, name);
        m_player->setItemData(m_player->count() - 1, summary.computer, Qt::UserRole + 1);
        if (summary.games > most_games) {
            most_games = summary.games;
            most = m_player->count() - 1;
        }
    }
    const int kept = m_player->findData(keep);
    m_player->setCurrentIndex(kept >= 0 ? kept : most);
    m_filling = false;
    fillFilterChoices();
    refresh();
}

void CareerStatisticsDialog::fillFilterChoices() {
    const bool filling = std::exchange(m_filling, true);
    const QString opponent = m_opponent->currentData().toString();
    const int start_score = m_start_score->currentData().toInt();
    const std::string name = player().toStdString();
    m_opponent->clear();
    m_opponent->addItem(tr("All opponents"), QString());
    for (const std::string& other : m_store.opponents(name)) {
        m_opponent->addItem(text_of(other), text_of(other));
    }
    m_opponent->setCurrentIndex(std::max(0, m_opponent->findData(opponent)));
    m_start_score->clear();
    m_start_score->addItem(tr("All start scores"), 0);
    for (const std::int32_t score : m_store.start_scores(name)) {
        m_start_score->addItem(QString::number(score), score);
    }
    m_start_score->setCurrentIndex(std::max(0, m_start_score->findData(start_score)));
    m_filling = filling;
}

void CareerStatisticsDialog::refresh() {
    if (m_filling) {
        return;
    }
    const bool dates = m_period->currentIndex() == static_cast<int>(Period::Dates);
    m_from->setEnabled(dates);
    m_to->setEnabled(dates);
    const std::string name = player().toStdString();
    showFigures(name.empty() ? CareerFigures{} : m_store.career(name, filter()));
    // The other pages are filled when they are shown: on a large archive each costs a query.
    m_stale_head_to_head = true;
    m_stale_charts = true;
    fillShownPage();
    m_status->setText(
        m_store.error()
            ? tr("The archive at %1 could not be read.\n%2")
                  .arg(text_of(m_store.location().describe()), text_of(m_store.error().text))
            : tr("Archive: %1").arg(text_of(m_store.location().describe())));
    updateButtons();
}

void CareerStatisticsDialog::fillShownPage() {
    const std::string name = player().toStdString();
    const CareerFilter chosen = filter();
    if (m_tabs->currentWidget() == m_head_to_head && m_stale_head_to_head) {
        m_stale_head_to_head = false;
        showHeadToHead(name.empty() ? std::vector<HeadToHeadRow>{}
                                    : m_store.head_to_head(name, chosen));
    }
    if (m_tabs->currentWidget() == m_charts && m_stale_charts) {
        m_stale_charts = false;
        if (name.empty()) {
            m_charts->show_input({});
            return;
        }
        m_charts->show_input({m_store.game_series(name, chosen), m_store.visit_scores(name, chosen),
                              m_store.check_outs_by_month(name, chosen),
                              m_store.legs_won_by_darts(name, chosen)});
    }
}

void CareerStatisticsDialog::showFigures(const CareerFigures& figures) {
    m_figures->clear();
    for (const FigureRow& row : CareerFigureRows::rows(figures)) {
        auto* item = new QTreeWidgetItem(m_figures, {row.label, row.value});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void CareerStatisticsDialog::showHeadToHead(const std::vector<HeadToHeadRow>& rows) {
    m_head_to_head->clear();
    for (const HeadToHeadRow& row : rows) {
        auto* item = new QTreeWidgetItem(m_head_to_head, CareerFigureRows::head_to_head_texts(row));
        for (int column = 1; column < item->columnCount(); ++column) {
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
}

void CareerStatisticsDialog::updateButtons() {
    const bool chosen = m_player->currentIndex() >= 0;
    const bool computer = m_player->currentData(Qt::UserRole + 1).toBool();
    m_rename->setEnabled(chosen && !computer);
    m_merge->setEnabled(chosen && m_player->count() > 1);
    m_com_like->setEnabled(chosen && !computer);
}

QStringList CareerStatisticsDialog::figureTexts() const {
    QStringList texts;
    for (int i = 0; i < m_figures->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_figures->topLevelItem(i);
        texts << item->text(0) + u'=' + item->text(1);
    }
    return texts;
}

QStringList CareerStatisticsDialog::headToHeadTexts() const {
    QStringList texts;
    for (int i = 0; i < m_head_to_head->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_head_to_head->topLevelItem(i);
        QStringList columns;
        for (int c = 0; c < item->columnCount(); ++c) {
            columns << item->text(c);
        }
        texts << columns.join(u'|');
    }
    return texts;
}

QStringList CareerStatisticsDialog::chartSummary() const {
    return m_charts->summary();
}

QString CareerStatisticsDialog::statusText() const {
    return m_status->text();
}

void CareerStatisticsDialog::renamePlayer() {
    const QString from = player();
    if (from.isEmpty() || !m_rename->isEnabled()) {
        beep();
        return;
    }
    const QString to = CareerNameQuestions::new_name(this, from);
    if (to.isEmpty()) {
        return;
    }
    std::vector<std::string> names;
    for (int i = 0; i < m_player->count(); ++i) {
        names.push_back(m_player->itemData(i).toString().toStdString());
    }
    const std::string target = trimmed_name(to.toStdString());
    const NameChange change = decide_name_change(names, from.toStdString(), target);
    if (change.kind == NameChangeKind::Refused) {
        MessageBoxes::error(this, CareerNameQuestions::reason_text(change.reason));
        return;
    }
    if (change.kind == NameChangeKind::Merge &&
        !MessageBoxes::question(
            this,
            tr("%1 is already a player. Count the games of %2 for %1?").arg(text_of(target), from),
            MessageBoxes::Button::No)) {
        return;
    }
    if (!m_store.rename_player(from.toStdString(), target)) {
        MessageBoxes::error(
            this, tr("The player could not be renamed.\n%1").arg(text_of(m_store.error().text)));
        return;
    }
    fillPlayers(text_of(target));
}

void CareerStatisticsDialog::mergePlayer() {
    const QString from = player();
    QStringList others;
    for (int i = 0; i < m_player->count(); ++i) {
        if (i != m_player->currentIndex()) {
            others << m_player->itemData(i).toString();
        }
    }
    if (from.isEmpty() || others.isEmpty()) {
        beep();
        return;
    }
    const QString into = CareerNameQuestions::merge_target(this, from, others);
    if (into.isEmpty()) {
        return;
    }
    if (!m_store.merge_players(from.toStdString(), into.toStdString())) {
        MessageBoxes::error(
            this, tr("The players could not be merged.\n%1").arg(text_of(m_store.error().text)));
        return;
    }
    fillPlayers(into);
}

void CareerStatisticsDialog::importFolder() {
    const QString folder = CareerFileChoices::import_folder(this);
    if (!folder.isEmpty()) {
        importPaths(csv_files_in(path_of(folder)));
    }
}

void CareerStatisticsDialog::importFiles() {
    std::vector<std::filesystem::path> files;
    for (const QString& file : CareerFileChoices::import_files(this)) {
        files.push_back(path_of(file));
    }
    if (!files.empty()) {
        importPaths(files);
    }
}

void CareerStatisticsDialog::importPaths(const std::vector<std::filesystem::path>& files) {
    QProgressDialog progress(tr("Importing CSV files..."), tr("Cancel"), 0,
                             static_cast<int>(files.size()), this);
    progress.setObjectName(QStringLiteral("ImportProgress"));
    progress.setWindowTitle(tr("Import"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    const ImportReport report =
        m_store.import_csv_files(files, GameCsvFile::import_languages(), parse_csv_started,
                                 [&progress](int done, int total) {
                                     progress.setMaximum(total);
                                     progress.setValue(done);
                                     return !progress.wasCanceled();
                                 });
    progress.reset();
    fillPlayers(player());

    QString text = tr("Games imported: %1").arg(report.imported);
    if (report.already > 0) {
        text += u'\n' + tr("Games already in the archive: %1").arg(report.already);
    }
    if (report.refused.empty()) {
        MessageBoxes::information(this, text);
        return;
    }
    const auto refused = static_cast<int>(report.refused.size());
    text += u'\n' + tr("Files refused: %1").arg(refused);
    for (int i = 0; i < std::min(refused, refusals_listed); ++i) {
        text +=
            u'\n' + QDir::toNativeSeparators(text_of(report.refused[static_cast<std::size_t>(i)]));
    }
    if (refused > refusals_listed) {
        text += u'\n' + tr("... and %1 more").arg(refused - refusals_listed);
    }
    MessageBoxes::warning(this, text);
}

void CareerStatisticsDialog::exportGames(bool player_only, bool json) {
    const QString name = player_only ? player() : QString();
    if (player_only && name.isEmpty()) {
        beep();
        return;
    }
    const QString suffix = json ? QStringLiteral(".json") : QStringLiteral(".csv");
    const QString proposed = (name.isEmpty() ? QStringLiteral("dvk-archive") : name) + suffix;
    const QString file = CareerFileChoices::export_file(this, proposed, json);
    if (file.isEmpty()) {
        return;
    }
    const std::filesystem::path path = path_of(file);
    const bool written = json ? m_store.export_json(path, name.toStdString())
                              : m_store.export_csv(path, name.toStdString());
    if (!written) {
        MessageBoxes::error(
            this, tr("The games could not be exported to %1.\n%2")
                      .arg(QDir::toNativeSeparators(file), text_of(m_store.error().text)));
        return;
    }
    m_status->setText(tr("Exported to %1.").arg(QDir::toNativeSeparators(file)));
}

} // namespace dvk
