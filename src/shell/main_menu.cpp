#include "shell/main_menu.h"

#include "platform/key_codes.h"
#include "settings/key_table.h"
#include "shell/command_ids.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace dvk {

namespace {

struct CommandText {
    int command;
    const char* text;
};

// The source texts of the commands; translated through the "MainMenu" context.
constexpr CommandText command_texts[] = {
    {command::new_game, QT_TRANSLATE_NOOP("MainMenu", "&New Game...")},
    {command::new_schedule, QT_TRANSLATE_NOOP("MainMenu", "N&ew Schedule...")},
    {command::modify_schedule, QT_TRANSLATE_NOOP("MainMenu", "&Modify Schedule...")},
    {command::game_history, QT_TRANSLATE_NOOP("MainMenu", "Game &History...")},
    {command::option, QT_TRANSLATE_NOOP("MainMenu", "&Option...")},
    {command::auto_save, QT_TRANSLATE_NOOP("MainMenu", "Auto &Save")},
    {command::check_out_mode, QT_TRANSLATE_NOOP("MainMenu", "&Check-Out Mode")},
    {command::online, QT_TRANSLATE_NOOP("MainMenu", "dvk On&line")},
    {command::career_statistics, QT_TRANSLATE_NOOP("MainMenu", "Ca&reer Statistics...")},
    {command::exit, QT_TRANSLATE_NOOP("MainMenu", "E&xit")},
    {command::view_name, QT_TRANSLATE_NOOP("MainMenu", "&Name")},
    {command::view_player, QT_TRANSLATE_NOOP("MainMenu", "&Player Information")},
    {command::view_left, QT_TRANSLATE_NOOP("MainMenu", "&Left Score")},
    {command::view_guide, QT_TRANSLATE_NOOP("MainMenu", "Function &Key")},
    {command::left_larger, QT_TRANSLATE_NOOP("MainMenu", "&Larger")},
    {command::left_medium, QT_TRANSLATE_NOOP("MainMenu", "&Medium")},
    {command::left_smaller, QT_TRANSLATE_NOOP("MainMenu", "&Smaller")},
    {command::full_screen, QT_TRANSLATE_NOOP("MainMenu", "&Full Screen")},
    {command::index_of_darts, QT_TRANSLATE_NOOP("MainMenu", "&Index of Darts")},
    {command::broadcast, QT_TRANSLATE_NOOP("MainMenu", "&Broadcast...")},
    {command::first_dart, QT_TRANSLATE_NOOP("MainMenu", "&1st dart")},
    {command::second_dart, QT_TRANSLATE_NOOP("MainMenu", "&2nd dart")},
    {command::third_dart, QT_TRANSLATE_NOOP("MainMenu", "&3rd dart")},
    {command::middle_for_diddle, QT_TRANSLATE_NOOP("MainMenu", "&Middle for Diddle...")},
    {command::input_left_score, QT_TRANSLATE_NOOP("MainMenu", "Input &Left Score")},
    {command::previous_leg, QT_TRANSLATE_NOOP("MainMenu", "&Previous Leg")},
    {command::exchange_scores, QT_TRANSLATE_NOOP("MainMenu", "E&xchange Scores")},
    {command::clear_scores, QT_TRANSLATE_NOOP("MainMenu", "&Clear Scores")},
    {command::dart_out_shots, QT_TRANSLATE_NOOP("MainMenu", "&Dart Out Shots...")},
    {command::about, QT_TRANSLATE_NOOP("MainMenu", "&About...")},
    {command::user_guide, QT_TRANSLATE_NOOP("MainMenu", "&User's Guide")},
    {command::cancel, QT_TRANSLATE_NOOP("MainMenu", "Cancel")},
    {command::no_action, QT_TRANSLATE_NOOP("MainMenu", "No Action")},
    {command::up, QT_TRANSLATE_NOOP("MainMenu", "Up")},
    {command::down, QT_TRANSLATE_NOOP("MainMenu", "Down")},
    {command::next, QT_TRANSLATE_NOOP("MainMenu", "Next")},
    {command::previous, QT_TRANSLATE_NOOP("MainMenu", "Previous")},
    {command::key_left, QT_TRANSLATE_NOOP("MainMenu", "Left")},
    {command::key_right, QT_TRANSLATE_NOOP("MainMenu", "Right")},
};

// The commands whose menu texts show the key bound to them.
constexpr int commands_with_key_names[] = {
    command::new_game,         command::new_schedule,   command::modify_schedule,
    command::game_history,     command::option,         command::auto_save,
    command::check_out_mode,   command::exit,           command::view_name,
    command::view_player,      command::view_left,      command::view_guide,
    command::left_larger,      command::left_medium,    command::left_smaller,
    command::full_screen,      command::index_of_darts, command::first_dart,
    command::second_dart,      command::third_dart,     command::middle_for_diddle,
    command::input_left_score, command::previous_leg,   command::exchange_scores,
    command::clear_scores,     command::dart_out_shots,
};

// The Broadcast dialog's key lives in the fixed table, not in the user's key table.
constexpr int ctrl_flag = 8;

std::string key_name(std::int32_t modifiers, std::int32_t key) {
    return format_key_name(modifiers, key).toStdString();
}

} // namespace

MainMenu::MainMenu(QMenuBar* bar, QObject* parent) : QObject(parent), m_bar(bar) {
    buildGameMenu();
    buildViewMenu();
    buildScoreMenu();
    buildHelpMenu();
}

QString MainMenu::commandText(int command) {
    for (const CommandText& c : command_texts) {
        if (c.command == command) {
            return QCoreApplication::translate("MainMenu", c.text);
        }
    }
    if (command >= command::template_first && command <= command::template_last) {
        return QString::number(command - command::template_first);
    }
    return {};
}

QAction* MainMenu::add(QMenu* menu, int command) {
    QAction* action = menu->addAction(commandText(command));
    action->setData(command);
    m_actions.insert(command, action);
    connect(action, &QAction::triggered, this,
            [this, command] { Q_EMIT commandTriggered(command); });
    return action;
}

void MainMenu::buildGameMenu() {
    QMenu* menu = m_bar->addMenu(tr("&Game"));
    add(menu, command::new_game);
    add(menu, command::new_schedule);
    add(menu, command::modify_schedule)->setEnabled(false);
    menu->addSeparator();
    add(menu, command::game_history);
    add(menu, command::career_statistics)
        ->setText(commandText(command::career_statistics) + QLatin1Char('\t') +
                  format_key_name(modifier_ctrl, 'R'));
    menu->addSeparator();
    add(menu, command::option);
    add(menu, command::auto_save)->setCheckable(true);
    add(menu, command::check_out_mode)->setCheckable(true);
    menu->addSeparator();
    add(menu, command::online);
    menu->addSeparator();
    add(menu, command::exit);
}

void MainMenu::buildViewMenu() {
    QMenu* menu = m_bar->addMenu(tr("&View"));
    for (int command :
         {command::view_name, command::view_player, command::view_left, command::view_guide}) {
        add(menu, command)->setCheckable(true);
    }
    QMenu* size = menu->addMenu(tr("Left Score &Size"));
    auto* group = new QActionGroup(size);
    for (int command : {command::left_larger, command::left_medium, command::left_smaller}) {
        QAction* action = add(size, command);
        action->setCheckable(true);
        group->addAction(action);
    }
    menu->addSeparator();
    add(menu, command::full_screen)->setCheckable(true);
    menu->addSeparator();
    add(menu, command::index_of_darts)->setCheckable(true);
    menu->addSeparator();
    add(menu, command::broadcast)
        ->setText(QStringLiteral("%1\t%2").arg(commandText(command::broadcast),
                                               format_key_name(ctrl_flag, 'B')));
}

void MainMenu::buildScoreMenu() {
    m_score = m_bar->addMenu(tr("&Score"));
    add(m_score, command::first_dart);
    add(m_score, command::second_dart);
    add(m_score, command::third_dart);
    m_score->addSeparator();
    add(m_score, command::middle_for_diddle);
    add(m_score, command::input_left_score);
    m_template = m_score->addMenu(tr("T&emplate"));
    m_score->addSeparator();
    add(m_score, command::previous_leg)->setEnabled(false);
    add(m_score, command::exchange_scores);
    add(m_score, command::clear_scores);
    m_score->addSeparator();
    add(m_score, command::dart_out_shots);
}

void MainMenu::buildHelpMenu() {
    QMenu* menu = m_bar->addMenu(tr("&Help"));
    add(menu, command::user_guide);
    add(menu, command::about);
}

void MainMenu::setChecked(int command, bool checked) {
    if (QAction* a = action(command)) {
        a->setChecked(checked);
    }
}

void MainMenu::setEnabled(int command, bool enabled) {
    if (QAction* a = action(command)) {
        a->setEnabled(enabled);
    }
}

void MainMenu::refreshTexts(const std::vector<KeyBinding>& keys) {
    for (QAction* a : m_template->actions()) {
        m_actions.remove(a->data().toInt());
    }
    m_template->clear();
    for (const TemplateMenuItem& item : template_menu_items(keys, key_name)) {
        QAction* a = add(m_template, item.action);
        a->setText(
            QStringLiteral("%1\t%2").arg(item.score).arg(QString::fromStdString(item.key_name)));
    }
    if (m_template->isEmpty()) {
        QAction* nothing = m_template->addAction(tr("(Nothing)"));
        nothing->setEnabled(false);
    }
    for (int command : commands_with_key_names) {
        QAction* a = action(command);
        if (a == nullptr) {
            continue;
        }
        const QString name =
            QString::fromStdString(shortcut_name_for_action(keys, command, key_name));
        a->setText(name.isEmpty() ? commandText(command)
                                  : QStringLiteral("%1\t%2").arg(commandText(command), name));
    }
}

} // namespace dvk
