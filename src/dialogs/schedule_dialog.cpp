#include "dialogs/schedule_dialog.h"

#include "dialogs/game_option_dialog.h"
#include "dialogs/list_editor.h"
#include "platform/dialog_placement.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "screen/com_name_texts.h"
#include "settings/options_load.h"
#include "settings/options_save.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace dvk {
namespace {

constexpr int list_font_points = 12;

QString player_text(const GameOptions& entry, int player) {
    if (entry.com(player) == 1) {
        return ComNameTexts().name(entry.com_level(player), entry.name(player));
    }
    return QString::fromStdString(entry.name(player));
}

} // namespace

ScheduleDialog::ScheduleDialog(AppOptions& app, std::string settings_path,
                               const ScheduleDialogSetup& setup, QWidget* owner)
    : QDialog(owner), m_app(app), m_settings_path(std::move(settings_path)),
      m_model(app.schedule, setup.modify ? setup.locked_rows : 0,
              setup.modify ? setup.kept_entry : std::nullopt) {
    setObjectName(QStringLiteral("ScheduleDialog"));
    setWindowTitle(setup.modify ? tr("Modify Schedule") : tr("Schedule"));
    setAccessibleName(windowTitle());

    m_editor = new ListEditor(tr("Schedule se&ttings:"),
                              {{tr("Start Score"), 85, Qt::AlignLeft},
                               {tr("Rounds"), 70, Qt::AlignRight},
                               {tr("Legs"), 90, Qt::AlignRight},
                               {tr("Player 1"), 120, Qt::AlignLeft, false, true},
                               {tr("Player 2"), 120, Qt::AlignLeft, false, true}},
                              this);
    QFont font = QApplication::font("QMenu");
    font.setPointSize(list_font_points);
    m_editor->setListFont(font);
    m_save = new QPushButton(tr("&Save Options"), this);
    m_save->setObjectName(QStringLiteral("save_options"));
    m_save->setAutoDefault(false);
    m_editor->buttonRow()->insertWidget(0, m_save);

    m_confirm = new QPushButton(setup.modify ? tr("OK") : tr("Game On"), this);
    m_confirm->setObjectName(QStringLiteral("confirm"));
    m_confirm->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_confirm);
    bottom->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_editor, 1);
    layout->addLayout(bottom);

    for (std::size_t row = 0; row < m_model.row_count(); ++row) {
        m_editor->appendRow(rowTexts(m_model.row(row)));
        m_editor->setRowGreyed(static_cast<int>(row), m_model.is_locked(row));
    }
    connect(m_editor, &ListEditor::currentRowChanged, this, &ScheduleDialog::updateButtons);
    connect(m_editor, &ListEditor::addRequested, this, &ScheduleDialog::addEntry);
    connect(m_editor, &ListEditor::editRequested, this, &ScheduleDialog::editEntry);
    connect(m_editor, &ListEditor::deleteRequested, this, &ScheduleDialog::deleteEntry);
    connect(m_editor, &ListEditor::upRequested, this, [this](int row) { moveEntry(row, true); });
    connect(m_editor, &ListEditor::downRequested, this, [this](int row) { moveEntry(row, false); });
    connect(m_save, &QPushButton::clicked, this, &ScheduleDialog::saveOptions);
    connect(m_confirm, &QPushButton::clicked, this, &ScheduleDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_editor->selectRow(0);
    m_editor->list()->setFocus();
    updateButtons();
}

QStringList ScheduleDialog::rowTexts(const GameOptions& entry) {
    const QString rounds = entry.round_limit == 1 ? QString::number(entry.round) : QString();
    const QString legs =
        entry.best_of == 1 ? tr("Best of %1").arg(entry.max_leg) : QString::number(entry.max_leg);
    return {QString::number(entry.start_score), rounds, legs, player_text(entry, 0),
            player_text(entry, 1)};
}

void ScheduleDialog::updateButtons() {
    const int row = m_editor->currentRow();
    const bool changeable = row >= 0 && m_model.can_change(static_cast<std::size_t>(row));
    m_editor->setRowButtons(changeable, changeable, changeable, changeable);
    m_confirm->setEnabled(m_model.can_confirm());
}

void ScheduleDialog::addEntry() {
    if (!m_model.can_add()) {
        MessageBoxes::warning(
            this, tr("No game can be added: the schedule holds %1 games, as many as it can.")
                      .arg(max_schedule_entries));
        return;
    }
    GameOptions entry = new_schedule_entry(m_app.game);
    if (!GameOptionDialog::edit(this, entry, m_app, m_settings_path) || !m_model.add(entry)) {
        return;
    }
    m_editor->appendAndSelect(rowTexts(entry));
    updateButtons();
}

void ScheduleDialog::editEntry(int row) {
    const auto index = static_cast<std::size_t>(row);
    if (!m_model.can_change(index)) {
        return;
    }
    GameOptions entry = m_model.row(index);
    entry.schedule_entry = 1;
    if (!GameOptionDialog::edit(this, entry, m_app, m_settings_path) ||
        !m_model.replace(index, entry)) {
        return;
    }
    m_editor->setRowTexts(row, rowTexts(entry));
    updateButtons();
}

void ScheduleDialog::deleteEntry(int row) {
    if (!m_model.can_change(static_cast<std::size_t>(row)) || !m_editor->confirmDelete()) {
        return;
    }
    m_model.remove(static_cast<std::size_t>(row));
    m_editor->removeRow(row);
    updateButtons();
}

void ScheduleDialog::moveEntry(int row, bool up) {
    const auto index = static_cast<std::size_t>(row);
    const std::optional<std::size_t> moved = up ? m_model.move_up(index) : m_model.move_down(index);
    if (moved) {
        m_editor->moveRow(row, static_cast<int>(*moved));
    }
}

void ScheduleDialog::saveOptions() {
    AppOptions saved = m_app;
    saved.schedule = m_model.entries();
    const ProfileSaveResult result = save_schedule(m_settings_path, saved);
    if (!result) {
        MessageBoxes::error(this, QString::fromStdString(result.error));
        return;
    }
    MessageBoxes::information(this, tr("The present Option was saved."));
}

void ScheduleDialog::accept() {
    if (!m_model.can_confirm()) {
        return;
    }
    m_app.schedule = m_model.entries();
    QDialog::accept();
}

void ScheduleDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_owner(this);
}

bool ScheduleDialog::edit(QWidget* owner, AppOptions& app, const std::string& settings_path,
                          const ScheduleDialogSetup& setup) {
    ScheduleDialog dialog(app, settings_path, setup, owner);
    const QVariantMap arguments{
        {QStringLiteral("modify"), setup.modify},
        {QStringLiteral("locked_rows"), static_cast<int>(setup.locked_rows)},
        {QStringLiteral("entries"), static_cast<int>(app.schedule.size())}};
    const std::optional<bool> scripted = DialogScript::run_scripted(dialog, arguments);
    return scripted ? *scripted : dialog.exec() == QDialog::Accepted;
}

} // namespace dvk
