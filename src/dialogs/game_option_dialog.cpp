#include "dialogs/game_option_dialog.h"

#include "dialogs/number_box.h"
#include "model/com_levels.h"
#include "platform/dialog_placement.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "settings/options_save.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace dvk {
namespace {

constexpr int minimum_button_width = 88;
// Characters a name box takes; the record keeps up to 63 bytes of them.
constexpr int name_box_characters = 62;
// Width of a name box in characters; longer names scroll inside it.
constexpr int name_box_visible_characters = 22;

NumberBox* number_box(QAbstractSpinBox* box) {
    return static_cast<NumberBox*>(box);
}

int box_number(const QAbstractSpinBox* box) {
    return static_cast<const NumberBox*>(box)->number();
}

// Shows `level` in the level list. A player fitted to someone's visits is not on the list; it
// is added for as long as the dialog is open, so that confirming keeps it.
void select_level(QComboBox& list, std::int32_t level, const std::string& name) {
    int index = list.findData(level);
    if (index < 0 && is_fitted_level(level)) {
        list.addItem(GameOptionDialog::tr("Like %1 (%2 mm)")
                         .arg(QString::fromStdString(name))
                         .arg((level - fitted_level_base) / 10.0, 0, 'f', 1),
                     level);
        index = list.count() - 1;
    }
    list.setCurrentIndex(std::max(index, 0));
}

QStringList to_string_list(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& name : names) {
        list.append(QString::fromStdString(name));
    }
    return list;
}

// The integer fields of the record, by the names scripts and the settings file use.
const std::array<std::pair<const char*, std::int32_t GameOptions::*>, 14>& integer_fields() {
    static const std::array<std::pair<const char*, std::int32_t GameOptions::*>, 14> fields{{
        {"start_score", &GameOptions::start_score},
        {"round_limit", &GameOptions::round_limit},
        {"round", &GameOptions::round},
        {"leg_limit", &GameOptions::leg_limit},
        {"max_leg", &GameOptions::max_leg},
        {"best_of", &GameOptions::best_of},
        {"change_first", &GameOptions::change_first},
        {"p1_start_score", &GameOptions::p1_start_score},
        {"p2_start_score", &GameOptions::p2_start_score},
        {"p1_com", &GameOptions::p1_com},
        {"p2_com", &GameOptions::p2_com},
        {"p1_com_level", &GameOptions::p1_com_level},
        {"p2_com_level", &GameOptions::p2_com_level},
        {"schedule_entry", &GameOptions::schedule_entry},
    }};
    return fields;
}

QVariantMap to_variant_map(const GameOptions& options) {
    QVariantMap map;
    for (const auto& [key, field] : integer_fields()) {
        map.insert(QString::fromLatin1(key), options.*field);
    }
    map.insert(QStringLiteral("p1_name"), QString::fromStdString(options.p1_name));
    map.insert(QStringLiteral("p2_name"), QString::fromStdString(options.p2_name));
    return map;
}

void override_from(GameOptions& options, const QVariantMap& map) {
    for (const auto& [key, field] : integer_fields()) {
        const QString name = QString::fromLatin1(key);
        if (map.contains(name)) {
            options.*field = map.value(name).toInt();
        }
    }
    if (map.contains(QStringLiteral("p1_name"))) {
        options.p1_name = map.value(QStringLiteral("p1_name")).toString().toStdString();
    }
    if (map.contains(QStringLiteral("p2_name"))) {
        options.p2_name = map.value(QStringLiteral("p2_name")).toString().toStdString();
    }
}

} // namespace

GameOptionDialog::GameOptionDialog(const GameOptions& options, AppOptions& app,
                                   std::string settings_path, QWidget* owner)
    : QDialog(owner), m_options(options), m_app(app), m_settings_path(std::move(settings_path)),
      m_schedule_entry(options.schedule_entry == 1) {
    setObjectName(QStringLiteral("GameOptionDialog"));
    setWindowTitle(tr("Game Option"));
    setAccessibleName(windowTitle());

    // Created in tab order: the focus chain follows creation.
    auto* left = new QVBoxLayout;
    left->addWidget(create_start_score_group());
    left->addWidget(create_match_controls());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(create_player_group(0));
    right->addWidget(create_player_group(1));
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addLayout(left);
    columns->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addLayout(columns);
    layout->addLayout(create_buttons());

    connect_controls();
    const std::array<std::string, 2> default_names{tr("Player 1").toStdString(),
                                                   tr("Player 2").toStdString()};
    apply_form(open_game_option_form(m_options, default_names));
    m_start_choices[static_cast<std::size_t>(form().start_choice)]->setFocus();
}

QWidget* GameOptionDialog::create_start_score_group() {
    auto* group = new QGroupBox(tr("Start Score"), this);
    const std::array<QString, 4> texts{tr("&301"), tr("&501"), tr("&1001"), tr("&Other:")};
    const std::array<const char*, 4> names{"start_301", "start_501", "start_1001", "start_other"};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        m_start_choices[i] = new QRadioButton(texts[i], group);
        m_start_choices[i]->setObjectName(QString::fromLatin1(names[i]));
    }
    m_other_score = new NumberBox(2, 32767, 5, group);
    m_other_score->setObjectName(QStringLiteral("other_score"));
    m_other_score->setAccessibleName(tr("Other start score"));

    auto* grid = new QGridLayout(group);
    grid->addWidget(m_start_choices[0], 0, 0);
    grid->addWidget(m_start_choices[1], 0, 1);
    grid->addWidget(m_start_choices[2], 0, 2);
    grid->addWidget(m_start_choices[3], 1, 0);
    grid->addWidget(m_other_score, 1, 1, 1, 2, Qt::AlignLeft);
    return group;
}

QWidget* GameOptionDialog::create_match_controls() {
    auto* area = new QWidget(this);
    m_round_limit = new QCheckBox(tr("&Rounds:"), area);
    m_round_limit->setObjectName(QStringLiteral("round_limit"));
    m_round = new NumberBox(1, 32767, 4, area);
    m_round->setObjectName(QStringLiteral("round"));
    m_round->setAccessibleName(tr("Rounds"));
    m_leg_limit = new QCheckBox(tr("&Legs:"), area);
    m_leg_limit->setObjectName(QStringLiteral("leg_limit"));
    m_legs_label = new QLabel(tr("&Legs:"), area);
    m_legs_label->setObjectName(QStringLiteral("legs_label"));
    m_max_leg = new NumberBox(1, 32767, 5, area);
    m_max_leg->setObjectName(QStringLiteral("max_leg"));
    m_max_leg->setAccessibleName(tr("Legs"));
    m_legs_label->setBuddy(m_max_leg);
    m_best_of = new QCheckBox(tr("&Best of ..."), area);
    m_best_of->setObjectName(QStringLiteral("best_of"));
    m_change_first = new QCheckBox(tr("First player is exchanged by set start"), area);
    m_change_first->setObjectName(QStringLiteral("change_first"));

    // A schedule entry always limits its legs: a plain label stands in for the check box.
    m_leg_limit->setVisible(!m_schedule_entry);
    m_legs_label->setVisible(m_schedule_entry);

    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_round_limit, 0, 0);
    grid->addWidget(m_round, 0, 1, Qt::AlignLeft);
    grid->addWidget(m_leg_limit, 1, 0);
    grid->addWidget(m_legs_label, 1, 0);
    grid->addWidget(m_max_leg, 1, 1, Qt::AlignLeft);
    grid->addWidget(m_best_of, 1, 2);
    grid->addWidget(m_change_first, 2, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return area;
}

QWidget* GameOptionDialog::create_player_group(int player) {
    const bool first = player == 0;
    auto* group = new QGroupBox(first ? tr("Player 1") : tr("Player 2"), this);
    const QString prefix = first ? QStringLiteral("p1_") : QStringLiteral("p2_");
    PlayerControls& controls = m_players[static_cast<std::size_t>(player)];

    controls.label = new QLabel(tr("Name:"), group);
    controls.label->setObjectName(prefix + QStringLiteral("label"));
    controls.name = new QComboBox(group);
    controls.name->setObjectName(prefix + QStringLiteral("name"));
    controls.name->setEditable(true);
    controls.name->setInsertPolicy(QComboBox::NoInsert);
    // The name is taken as typed; the list offers earlier names without completing them.
    controls.name->setCompleter(nullptr);
    controls.name->lineEdit()->setMaxLength(name_box_characters);
    controls.name->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    controls.name->setMinimumContentsLength(name_box_visible_characters);
    controls.name->setAccessibleName(tr("%1 name").arg(group->title()));
    controls.name->addItems(to_string_list(offered_names(m_app.name_list)));

    controls.level = new QComboBox(group);
    controls.level->setObjectName(prefix + QStringLiteral("level"));
    controls.level->setAccessibleName(tr("%1 COM level").arg(group->title()));
    for (int level = 1; level <= offered_com_levels; ++level) {
        controls.level->addItem(tr("Level %1").arg(level), level - 1);
    }
    // Players modelled on a real board, named by the 3-dart average they play.
    for (const std::int32_t average : offered_averages) {
        controls.level->addItem(tr("Average %1").arg(average), average_level(average));
    }

    controls.com = new QCheckBox(first ? tr("&COM") : tr("CO&M"), group);
    controls.com->setObjectName(prefix + QStringLiteral("com"));
    controls.handicap = new QCheckBox(first ? tr("&Handicap") : tr("H&andicap"), group);
    controls.handicap->setObjectName(prefix + QStringLiteral("handicap"));
    controls.start_score = new NumberBox(2, 32767, 5, group);
    controls.start_score->setObjectName(prefix + QStringLiteral("start_score"));
    controls.start_score->setAccessibleName(tr("%1 handicap start score").arg(group->title()));

    auto* grid = new QGridLayout(group);
    grid->addWidget(controls.label, 0, 0);
    grid->addWidget(controls.name, 0, 1, 1, 2);
    grid->addWidget(controls.level, 0, 1, 1, 2);
    grid->addWidget(controls.com, 1, 1, 1, 2);
    grid->addWidget(controls.handicap, 2, 1);
    grid->addWidget(controls.start_score, 2, 2, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    return group;
}

QLayout* GameOptionDialog::create_buttons() {
    m_save = new QPushButton(tr("&Save Options"), this);
    m_save->setObjectName(QStringLiteral("save_options"));
    m_save->setAutoDefault(false);
    m_save->setVisible(!m_schedule_entry);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);
    const int width =
        std::max({minimum_button_width, m_ok->sizeHint().width(), m_cancel->sizeHint().width()});
    m_ok->setFixedWidth(width);
    m_cancel->setFixedWidth(width);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    return buttons;
}

void GameOptionDialog::connect_controls() {
    for (std::size_t i = 0; i < m_start_choices.size(); ++i) {
        const auto choice = static_cast<StartChoice>(i);
        connect(m_start_choices[i], &QRadioButton::clicked, this,
                [this, choice] { choose_start_score(choice); });
        connect(m_start_choices[i], &QRadioButton::toggled, this,
                &GameOptionDialog::update_enabled);
    }
    for (QCheckBox* box :
         {m_round_limit, m_leg_limit, m_players[0].handicap, m_players[1].handicap}) {
        connect(box, &QCheckBox::toggled, this, &GameOptionDialog::update_enabled);
    }
    for (int player = 0; player < 2; ++player) {
        connect(m_players[static_cast<std::size_t>(player)].com, &QCheckBox::toggled, this,
                [this, player](bool com) { show_com(player, com); });
    }
    connect(m_save, &QPushButton::clicked, this, &GameOptionDialog::save_options);
    connect(m_ok, &QPushButton::clicked, this, &GameOptionDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &GameOptionDialog::reject);
}

void GameOptionDialog::apply_form(const GameOptionForm& form) {
    m_start_choices[static_cast<std::size_t>(form.start_choice)]->setChecked(true);
    number_box(m_other_score)->set_number(form.other_score);
    m_round_limit->setChecked(form.round_limit);
    number_box(m_round)->set_number(form.round);
    m_leg_limit->setChecked(form.leg_limit);
    number_box(m_max_leg)->set_number(form.max_leg);
    m_best_of->setChecked(form.best_of);
    m_change_first->setChecked(form.change_first);
    for (std::size_t i = 0; i < m_players.size(); ++i) {
        const PlayerControls& controls = m_players[i];
        const PlayerForm& player = form.players[i];
        controls.name->setEditText(QString::fromStdString(player.name));
        // A long name shows its beginning.
        controls.name->lineEdit()->setCursorPosition(0);
        select_level(*controls.level, player.com_level, player.name);
        controls.com->setChecked(player.com);
        show_com(static_cast<int>(i), player.com);
        controls.handicap->setChecked(player.handicap);
        number_box(controls.start_score)->set_number(player.handicap_score);
    }
    update_enabled();
}

GameOptionForm GameOptionDialog::form() const {
    GameOptionForm form;
    form.schedule_entry = m_schedule_entry;
    const auto checked =
        std::find_if(m_start_choices.begin(), m_start_choices.end(),
                     [](const QRadioButton* button) { return button->isChecked(); });
    form.start_choice = checked == m_start_choices.end()
                            ? StartChoice::Other
                            : static_cast<StartChoice>(checked - m_start_choices.begin());
    form.other_score = box_number(m_other_score);
    form.round_limit = m_round_limit->isChecked();
    form.round = box_number(m_round);
    form.leg_limit = m_leg_limit->isChecked();
    form.max_leg = box_number(m_max_leg);
    form.best_of = m_best_of->isChecked();
    form.change_first = m_change_first->isChecked();
    for (std::size_t i = 0; i < m_players.size(); ++i) {
        const PlayerControls& controls = m_players[i];
        PlayerForm& player = form.players[i];
        player.name = controls.name->currentText().toStdString();
        player.com = controls.com->isChecked();
        player.com_level = controls.level->currentData().toInt();
        player.handicap = controls.handicap->isChecked();
        player.handicap_score = box_number(controls.start_score);
    }
    return form;
}

void GameOptionDialog::choose_start_score(StartChoice choice) {
    number_box(m_round)->set_number(rounds_for_start_choice(choice));
}

void GameOptionDialog::show_com(int player, bool com) {
    const PlayerControls& controls = m_players[static_cast<std::size_t>(player)];
    controls.name->setVisible(!com);
    controls.level->setVisible(com);
    controls.label->setText(com ? tr("Level:") : tr("Name:"));
    controls.label->setBuddy(com ? static_cast<QWidget*>(controls.level) : controls.name);
}

void GameOptionDialog::update_enabled() {
    m_other_score->setEnabled(m_start_choices[3]->isChecked());
    m_round->setEnabled(m_round_limit->isChecked());
    const bool legs = m_leg_limit->isChecked();
    m_max_leg->setEnabled(legs);
    m_best_of->setEnabled(legs);
    m_change_first->setEnabled(legs);
    for (const PlayerControls& controls : m_players) {
        controls.start_score->setEnabled(controls.handicap->isChecked());
    }
}

GameOptions GameOptionDialog::read_and_remember() {
    const GameOptions read = read_game_option_form(form());
    remember_player_names(m_app.name_list, read);
    return read;
}

void GameOptionDialog::accept() {
    m_options = read_and_remember();
    QDialog::accept();
}

void GameOptionDialog::save_options() {
    if (m_schedule_entry) {
        return;
    }
    AppOptions saved = m_app;
    saved.game = read_and_remember();
    const ProfileSaveResult result = save_game_options(m_settings_path, saved);
    if (!result) {
        MessageBoxes::error(this, QString::fromStdString(result.error));
        return;
    }
    MessageBoxes::information(this, tr("The present Option was saved."));
}

void GameOptionDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_owner(this);
}

bool GameOptionDialog::answer_scripted(const QVariant& answer) {
    if (!answer.isValid()) {
        return false;
    }
    if (answer.metaType().id() == QMetaType::QVariantMap) {
        // Entered as the user would: the controls take the values, "OK" reads them.
        const GameOptionForm shown = form();
        GameOptions entered = read_game_option_form(shown);
        // An unchecked handicap follows the start score, whatever the script changes.
        entered.p1_start_score = shown.players[0].handicap ? entered.p1_start_score : 0;
        entered.p2_start_score = shown.players[1].handicap ? entered.p2_start_score : 0;
        override_from(entered, answer.toMap());
        const std::array<std::string, 2> names{entered.p1_name, entered.p2_name};
        apply_form(open_game_option_form(entered, names));
    } else if (!answer.toBool()) {
        return false;
    }
    accept();
    return true;
}

bool GameOptionDialog::edit(QWidget* owner, GameOptions& options, AppOptions& app,
                            const std::string& settings_path) {
    GameOptionDialog dialog(options, app, settings_path, owner);
    QVariantMap arguments = to_variant_map(options);
    arguments.insert(QStringLiteral("offered_names"), to_string_list(offered_names(app.name_list)));
    if (const auto scripted = DialogScript::take_answer(dialog.objectName(), arguments)) {
        if (!dialog.answer_scripted(*scripted)) {
            return false;
        }
    } else if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    options = dialog.options();
    return true;
}

} // namespace dvk
