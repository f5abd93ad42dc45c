#pragma once

#include "settings/app_options.h"
#include "settings/schedule_list_model.h"

#include <QDialog>

#include <optional>
#include <string>

class QPushButton;

namespace dvk {

class ListEditor;

// How the schedule dialog opens: for a new schedule nothing is locked; for the running one
// ("Modify Schedule") the games already played are, and the untouched current game, which is
// played again afterwards, must stay.
struct ScheduleDialogSetup {
    bool modify = false;
    std::size_t locked_rows = 0;
    std::optional<std::size_t> kept_entry;
};

// The schedule dialog of "N&ew Schedule..." and "&Modify Schedule...": the games of the
// schedule in order, with their start score, rounds, legs and players. "Game On" (or "OK"
// when modifying) makes the rows the schedule of the options; "&Save Options" writes them to
// the settings file without changing the schedule in memory.
class ScheduleDialog : public QDialog {
    Q_OBJECT

public:
    ScheduleDialog(AppOptions& app, std::string settings_path, const ScheduleDialogSetup& setup,
                   QWidget* owner = nullptr);

    // Opens the dialog modally (or as the active DialogScript answers "ScheduleDialog"); true
    // when it was confirmed, with the rows now the schedule of `app`.
    static bool edit(QWidget* owner, AppOptions& app, const std::string& settings_path,
                     const ScheduleDialogSetup& setup);

    const ScheduleListModel& model() const { return m_model; }
    ListEditor* editor() const { return m_editor; }
    QPushButton* confirmButton() const { return m_confirm; }

public Q_SLOTS:
    void accept() override;
    // "&Save Options".
    void saveOptions();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The texts of a row in the five columns.
    static QStringList rowTexts(const GameOptions& entry);
    void addEntry();
    void editEntry(int row);
    void deleteEntry(int row);
    void moveEntry(int row, bool up);
    void updateButtons();

    AppOptions& m_app;
    std::string m_settings_path;
    ScheduleListModel m_model;
    ListEditor* m_editor = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_confirm = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace dvk
