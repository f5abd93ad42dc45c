#pragma once

#include "model/game_options.h"
#include "settings/app_options.h"
#include "settings/game_option_rules.h"

#include <QDialog>
#include <QVariant>

#include <array>
#include <string>

class QAbstractSpinBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace dvk {

// "Game Option": edits one game options record, either the options of the next game or an
// entry of a schedule (`schedule_entry` 1: the legs are always limited and "&Save Options" is
// hidden). It keeps the recently used player names in `app`'s name list.
class GameOptionDialog : public QDialog {
    Q_OBJECT

public:
    GameOptionDialog(const GameOptions& options, AppOptions& app, std::string settings_path,
                     QWidget* owner = nullptr);

    // Opens the dialog modally (or asks the active DialogScript) and returns true for "OK",
    // with `options` holding the new record; "Cancel" leaves it unchanged. A scripted answer is
    // true or false, or a map of record fields ("start_score", "p1_name", ...) entered into
    // the dialog before "OK"; none counts as "Cancel".
    static bool edit(QWidget* owner, GameOptions& options, AppOptions& app,
                     const std::string& settings_path);

    // The record the dialog was opened on until "OK" reads the controls into it.
    const GameOptions& options() const { return m_options; }
    // The controls as they stand.
    GameOptionForm form() const;

public Q_SLOTS:
    // "OK": reads the controls into the record, remembers the names and closes.
    void accept() override;
    // "&Save Options": writes what the controls hold to the settings file as the default game
    // options and remembers the names; the record itself stays as it was.
    void save_options();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct PlayerControls {
        QLabel* label = nullptr;
        QComboBox* name = nullptr;
        QComboBox* level = nullptr;
        QCheckBox* com = nullptr;
        QCheckBox* handicap = nullptr;
        QAbstractSpinBox* start_score = nullptr;
    };

    QWidget* create_start_score_group();
    QWidget* create_match_controls();
    QWidget* create_player_group(int player);
    QLayout* create_buttons();
    void connect_controls();

    void apply_form(const GameOptionForm& form);
    void choose_start_score(StartChoice choice);
    void show_com(int player, bool com);
    void update_enabled();
    GameOptions read_and_remember();
    bool answer_scripted(const QVariant& answer);

    GameOptions m_options;
    AppOptions& m_app;
    std::string m_settings_path;
    bool m_schedule_entry;

    std::array<QRadioButton*, 4> m_start_choices{};
    QAbstractSpinBox* m_other_score = nullptr;
    QCheckBox* m_round_limit = nullptr;
    QAbstractSpinBox* m_round = nullptr;
    QCheckBox* m_leg_limit = nullptr;
    QLabel* m_legs_label = nullptr;
    QAbstractSpinBox* m_max_leg = nullptr;
    QCheckBox* m_best_of = nullptr;
    QCheckBox* m_change_first = nullptr;
    std::array<PlayerControls, 2> m_players{};
    QPushButton* m_save = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace dvk
