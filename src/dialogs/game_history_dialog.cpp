#include "dialogs/game_history_dialog.h"

#include "dialogs/game_csv_file.h"
#include "dialogs/remembered_rect.h"
#include "dialogs/score_list_dialog.h"
#include "layout/history_line_geometry.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "storage/auto_save.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace dvk {

namespace {

constexpr QSize designed_size(520, 380);

} // namespace

GameHistoryDialog::GameHistoryDialog(HistoryList& history, const GameRecord& current,
                                     AppOptions& options, const ArrangeTable& checkout_table,
                                     QWidget* owner)
    : QDialog(owner), m_history(history), m_current(current), m_options(options),
      m_checkout(checkout_table) {
    setObjectName(QStringLiteral("GameHistoryDialog"));
    setWindowTitle(tr("Game History"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("history"));
    m_list->setAccessibleName(tr("Games and legs"));
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every line is drawn to the list's width, so there is never anything to scroll sideways.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setItemDelegate(
        new HistoryLineDelegate([this](int row) { return lineAt(row); }, m_list));
    connect(m_list, &QListWidget::itemDoubleClicked, this, &GameHistoryDialog::view);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &GameHistoryDialog::updateButtons);

    const auto make_button = [this](const QString& text, const char* name) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        return button;
    };
    m_view = make_button(tr("&View..."), "view");
    m_save = make_button(tr("&Save As..."), "save_as");
    m_clear = make_button(tr("Cl&ear"), "clear");
    m_close = make_button(tr("&Close"), "close");
    m_view->setDefault(true);
    connect(m_view, &QPushButton::clicked, this, &GameHistoryDialog::view);
    connect(m_save, &QPushButton::clicked, this, &GameHistoryDialog::saveAs);
    connect(m_clear, &QPushButton::clicked, this, &GameHistoryDialog::clear);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {m_view, m_save, m_clear, m_close}) {
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    setMinimumSize(buttons->sizeHint().width() + 24, 160);
    resize(designed_size);

    refill();
    m_list->setFocus();
    m_rect = new RememberedRect(this, m_options.history_window);
    m_rect->restore();
}

void GameHistoryDialog::open(QWidget* owner, HistoryList& history, const GameRecord& current,
                             AppOptions& options, const ArrangeTable& checkout_table,
                             const std::filesystem::path& data_folder) {
    if (DialogScript::take_answer(QStringLiteral("GameHistoryDialog"),
                                  {{QStringLiteral("lines"),
                                    static_cast<int>(history_lines(history, current).size())}})) {
        return;
    }
    GameHistoryDialog dialog(history, current, options, checkout_table, owner);
    dialog.setDataFolder(data_folder);
    dialog.exec();
}

QPushButton* GameHistoryDialog::button(const QString& name) const {
    return findChild<QPushButton*>(name);
}

HistoryLineDelegate::Shown GameHistoryDialog::lineAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_lines.size()) {
        return {};
    }
    const HistoryLine& line = m_lines[static_cast<std::size_t>(row)];
    return {line, history_line_game(line, m_history, m_current),
            history_line_leg(line, m_history, m_current)};
}

HistoryLineDelegate::Shown GameHistoryDialog::selected() const {
    const QList<QListWidgetItem*> items = m_list->selectedItems();
    return items.isEmpty() ? HistoryLineDelegate::Shown{} : lineAt(m_list->row(items.constFirst()));
}

QStringList GameHistoryDialog::lineTexts() const {
    QStringList texts;
    for (int row = 0; row < static_cast<int>(m_lines.size()); ++row) {
        texts << HistoryLineDelegate::texts(lineAt(row)).join(u'|');
    }
    return texts;
}

void GameHistoryDialog::refill() {
    m_lines = history_lines(m_history, m_current);
    m_list->clear();
    for (int row = 0; row < static_cast<int>(m_lines.size()); ++row) {
        auto* item = new QListWidgetItem(m_list);
        // The text is what screen readers announce; the delegate paints the line itself.
        item->setText(HistoryLineDelegate::texts(lineAt(row)).join(QLatin1Char(' ')).simplified());
        item->setSizeHint(QSize(0, history_line_height));
    }
    if (!m_lines.empty()) {
        m_list->setCurrentRow(0);
    }
    updateButtons();
}

void GameHistoryDialog::updateButtons() {
    const bool line = selected().game != nullptr;
    m_view->setEnabled(line);
    m_save->setEnabled(line);
    m_clear->setEnabled(m_history.count() > 0);
    // A disabled default button would leave Enter without a button.
    if (!line && m_view->hasFocus()) {
        m_close->setFocus();
    }
}

void GameHistoryDialog::view() {
    const HistoryLineDelegate::Shown shown = selected();
    if (shown.game == nullptr) {
        return;
    }
    ScoreListDialog::open(this, *shown.game, shown.line.leg, m_options, m_checkout);
}

void GameHistoryDialog::saveAs() {
    const HistoryLineDelegate::Shown shown = selected();
    if (shown.game != nullptr) {
        GameCsvFile::save_as(this, *shown.game,
                             auto_save_folder(m_options.auto_save_path, m_data_folder));
    }
}

void GameHistoryDialog::clear() {
    if (m_history.count() == 0 ||
        !MessageBoxes::question(this, tr("Are you sure you want to clear history?"))) {
        return;
    }
    clear_history(m_history);
    refill();
    m_list->setFocus();
}

} // namespace dvk
