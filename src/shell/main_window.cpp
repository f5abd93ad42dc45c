#include "shell/main_window.h"

#include "archive/archive_recorder.h"
#include "broadcast/broadcast_dialog.h"
#include "broadcast/broadcast_room.h"
#include "dialogs/check_out_mode_dialog.h"
#include "dialogs/com_throw_dialog.h"
#include "dialogs/game_option_dialog.h"
#include "layout/window_layout.h"
#include "platform/key_codes.h"
#include "platform/message_boxes.h"
#include "platform/system_services.h"
#include "screen/colors.h"
#include "screen/score_edit.h"
#include "screen/score_guide_wnd.h"
#include "screen/score_left_wnd.h"
#include "screen/score_list_wnd.h"
#include "screen/score_name_wnd.h"
#include "screen/score_player_wnd.h"
#include "settings/key_table.h"
#include "settings/options_save.h"
#include "settings/plugin_list.h"
#include "shell/archive_notices.h"
#include "shell/career_command.h"
#include "shell/command_ids.h"
#include "shell/file_notices.h"
#include "shell/full_screen.h"
#include "shell/key_dispatcher.h"
#include "shell/main_menu.h"
#include "shell/online_page.h"
#include "shell/option_commands.h"
#include "shell/plugin_commands.h"
#include "shell/qt_match_ports.h"
#include "shell/records_commands.h"
#include "storage/auto_save.h"
#include "storage/recovery_file.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QSessionManager>
#include <QTimer>
#include <QWindow>

namespace dvk {

MainWindow::MainWindow(const ShellContext& context, std::optional<GameRecord> recovered)
    : m_context(context), m_ports(std::make_unique<QtMatchPorts>(*this)),
      m_records(std::make_unique<RecordsCommands>(*this)), m_recovery(context.recovery_file) {
    setObjectName(QStringLiteral("dvk_wnd"));
    setWindowTitle(QStringLiteral("dvk"));
    m_screen = new QWidget(this);
    m_screen->setObjectName(QStringLiteral("match_screen"));
    setCentralWidget(m_screen);
    m_screen->installEventFilter(this);
    m_notices = new FileNotices(this);
    openArchive();
    m_list = new ScoreListWnd(m_screen);
    m_match = std::make_unique<Match>(options(), *m_ports, *m_ports, *m_list);
    createSideWindows();
    m_list->setSheet(&m_match->sheet());
    m_list->setComputerVisit([this](int player) { runComputerVisit(player); });
    connect(m_list, &ScoreListWnd::computerTurnStarting, this, [this] {
        menuBar()->setEnabled(true);
        m_list->setEnabled(true);
    });
    connect(m_list, &ScoreListWnd::scoreMenuRequested, this,
            [this](const QPoint& at) { m_menu->scoreMenu()->popup(at); });
    connect(m_list, &ScoreListWnd::modifierKeyPressed, m_guide, &ScoreGuideWnd::modifierKeyPressed);

    m_menu = new MainMenu(menuBar(), this);
    connect(m_menu, &MainMenu::commandTriggered, this, &MainWindow::runCommand);
    m_full_screen = new FullScreen(this, options());
    m_keys = new KeyDispatcher(this);
    connect(m_keys, &KeyDispatcher::commandTriggered, this, &MainWindow::runCommand);
    applyScreenStyle();
    rebuildKeys();

    const AppOptions& o = options();
    m_menu->setChecked(command::check_out_mode, o.check_out_mode == 1);
    m_menu->setChecked(command::view_name, o.show_name == 1);
    m_menu->setChecked(command::view_player, o.show_player == 1);
    m_menu->setChecked(command::view_left, o.show_left == 1);
    m_menu->setChecked(command::view_guide, o.show_guide == 1);
    m_menu->setChecked(command::auto_save, o.auto_save == 1);
    m_menu->setChecked(command::index_of_darts, o.throw_count == 1);
    m_menu->setChecked(o.left_font_size == 20   ? command::left_larger
                       : o.left_font_size == 60 ? command::left_smaller
                                                : command::left_medium,
                       true);
    m_menu->setChecked(command::full_screen, o.full_screen == 1);

    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
        if (m_plugins->vetoClose(plugin_close_session)) {
            session.cancel();
        }
        // The session is ending: no question, and everything is saved as at a normal exit.
        m_close_without_asking = true;
        finish();
    });
    m_plugins = new PluginCommands(*this);
    resize(1024, 720);
    // The plug-ins are loaded and told of the start between setting the game up and showing it:
    // they see the whole game record, and then hear of its game, leg and input cell.
    m_fresh_start = !recovered.has_value();
    m_match->set_up_first_game(std::move(recovered));
    m_plugins->start();
    m_match->show_first_game();
    // A leg that ended just before the program stopped may not have reached the archive.
    if (!m_fresh_start && m_archive) {
        m_archive->game_recovered(m_match->game());
    }
    updateTitle();
    m_broadcast = new BroadcastRoom(
        *m_match, *m_context.checkout_table, m_context.settings_path,
        [this](int command) { runCommand(command); }, this);
    m_broadcast->start_if_wanted();
}

MainWindow::~MainWindow() {
    finish();
}

std::optional<ArchiveLocation> MainWindow::archiveLocation() const {
    if (m_context.archive_folder.empty()) {
        return std::nullopt;
    }
    return archive_location(m_context.settings_path, m_context.archive_folder, nullptr);
}

void MainWindow::openArchive() {
    if (m_context.archive_folder.empty()) {
        return;
    }
    std::string error;
    ArchiveLocation location =
        archive_location(m_context.settings_path, m_context.archive_folder, &error);
    if (!error.empty()) {
        ArchiveNotices::tell_bad_address(*m_notices, QString::fromStdString(error));
    }
    m_archive = std::make_unique<ArchiveRecorder>(
        std::move(location), m_context.archive_folder / "dvk-archive.pending",
        [this](const ArchiveNotice& notice) { ArchiveNotices::tell(*m_notices, notice); });
}

void MainWindow::createSideWindows() {
    const AppOptions& o = options();
    const GameRecord* game = &m_match->game();
    m_name = new ScoreNameWnd(o, m_screen);
    m_name->setGame(game);
    for (int p = 0; p < 2; ++p) {
        m_left[p] = new ScoreLeftWnd(o, m_screen);
        m_left[p]->setPlayer(&m_match->game().players[static_cast<std::size_t>(p)]);
        m_player[p] = new ScorePlayerWnd(o, *m_context.checkout_table, m_screen);
        m_player[p]->setGame(game, p);
    }
    m_guide = new ScoreGuideWnd(
        o, [](int command) { return MainMenu::commandText(command); }, m_screen);
    m_guide->setKeyTable(o.keys);
    connect(m_guide, &ScoreGuideWnd::commandTriggered, this, &MainWindow::runCommand);
    legLimitChanged();
    applyVisibility();
}

void MainWindow::applyVisibility() {
    const AppOptions& o = options();
    m_name->setVisible(o.show_name == 1);
    for (int p = 0; p < 2; ++p) {
        m_left[p]->setVisible(o.show_left == 1);
        m_player[p]->setVisible(o.show_player == 1);
    }
    m_guide->setVisible(o.show_guide == 1);
}

void MainWindow::legLimitChanged() {
    const bool limited = m_match->game().leg_limit == 1;
    m_name->setLegLimit(limited);
    m_player[0]->setLegLimit(limited);
    m_player[1]->setLegLimit(limited);
    m_name->refresh();
    m_player[0]->refresh();
    m_player[1]->refresh();
}

void MainWindow::rebuildKeys() {
    std::vector<Accelerator> table;
    for (const KeyAccelerator& a : build_key_accelerators(options().keys)) {
        const QKeyCombination combination =
            qt_key_combination(a.flags & (modifier_shift | modifier_ctrl | modifier_alt), a.key);
        table.push_back({combination.keyboardModifiers(), combination.key(), a.command});
    }
    m_keys->setFunctionKeys(std::move(table));
    m_menu->refreshTexts(options().keys);
    m_guide->setKeyTable(options().keys);
}

void MainWindow::applyScreenStyle() {
    const AppOptions& o = options();
    m_list->setScreenStyle(screen_style_from(o));
    QPalette palette = m_screen->palette();
    palette.setColor(QPalette::Window, option_color(o, ColorItem::view_separate));
    m_screen->setPalette(palette);
    m_screen->setAutoFillBackground(true);
}

void MainWindow::optionsConfirmed() {
    options().check_out_font_height = 0;
    applyScreenStyle();
    m_name->reloadOptions();
    m_guide->reloadOptions();
    for (int p = 0; p < 2; ++p) {
        m_left[p]->reloadOptions();
        m_player[p]->reloadOptions();
    }
    layoutChildren();
    rebuildKeys();
    m_plugins->listChanged();
    m_screen->update();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown_once) {
        m_shown_once = true;
        m_full_screen->applyAtStart();
        layoutChildren();
        m_list->setFocus();
        if (!m_fresh_start) {
            QTimer::singleShot(0, m_notices, &FileNotices::release);
        }
    }
}

void MainWindow::layoutChildren() {
    const AppOptions& o = options();
    const QRect area = m_screen->rect();
    LayoutInput in;
    in.width = area.width();
    in.height = area.height();
    in.gap = o.view_separate_width;
    in.name_shown = o.show_name == 1;
    in.player_shown = o.show_player == 1;
    in.left_shown = o.show_left == 1;
    in.guide_shown = o.show_guide == 1;
    const int m = std::min(in.width, in.height);
    in.name_height = m_name->heightFor(m);
    in.guide_height = m_guide->heightFor(m);
    in.left_height = m_left[0]->heightFor(m);
    const MainLayout layout = compute_main_layout(in);
    const auto place = [&](QWidget* w, const LayoutRect& r) {
        w->setGeometry(r.x, r.y, std::max(r.width, 1), std::max(r.height, 1));
    };
    place(m_list, layout.list);
    place(m_name, layout.name);
    place(m_guide, layout.guide);
    for (int p = 0; p < 2; ++p) {
        place(m_left[p], layout.left[p]);
        place(m_player[p], layout.player[p]);
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (options().full_screen != 1) {
        options().show_state = isMaximized() ? 3 : 10;
    }
    storeWindowRect();
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    // A fresh start opens the game option dialog, but only once the window has been painted,
    // so the user sees the match screen behind it.
    if (event->type() == QEvent::UpdateRequest && m_fresh_start && m_shown_once) {
        m_fresh_start = false;
        QTimer::singleShot(1, this, [this] {
            m_notices->release();
            runCommand(command::new_game);
        });
    }
    return handled;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_screen && event->type() == QEvent::Resize) {
        layoutChildren();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    storeWindowRect();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && options().full_screen != 1) {
        options().show_state = isMaximized() ? 3 : 10;
    }
}

void MainWindow::storeWindowRect() {
    if (!isVisible() || isMinimized() || isMaximized() || options().full_screen == 1) {
        return;
    }
    const QRect frame = frameGeometry();
    options().main_window = WindowRect{frame.left(), frame.top(), frame.width(), frame.height()};
}

void MainWindow::updateTitle() {
    const GameRecord& g = m_match->game();
    QString title;
    if (g.leg_limit == 1) {
        title = (g.best_of == 1 ? tr("%1 - %2 Sets - (%3 Legs / Best of %4 Legs)")
                                : tr("%1 - %2 Sets - (%3 Legs / %4 Legs)"))
                    .arg(QStringLiteral("dvk"))
                    .arg(g.game_index + 1)
                    .arg(g.leg_index + 1)
                    .arg(g.max_leg);
    } else {
        title = tr("%1 - %2 Legs").arg(QStringLiteral("dvk")).arg(g.leg_index + 1);
    }
    if (g.schedule_mode == 1) {
        title += tr(" - Schedule Mode");
    }
    setWindowTitle(title);
}

void MainWindow::refreshPlayer(int player, bool with_title) {
    if (m_broadcast != nullptr) {
        m_broadcast->match_changed();
    }
    m_name->refresh();
    if (player == 0 || player == 1) {
        m_left[player]->refresh();
        m_player[player]->refresh();
    }
    if (with_title) {
        updateTitle();
    }
}

void MainWindow::firstThrowerChanged(bool refresh) {
    const GameRecord& g = m_match->game();
    const int first = g.has_current_leg() ? g.current_leg().first_player : 0;
    m_name->setFirstPlayer(first);
    m_player[0]->setFirst(first == 0);
    m_player[1]->setFirst(first == 1);
    if (refresh) {
        m_name->refresh();
        m_player[0]->refresh();
        m_player[1]->refresh();
    }
}

void MainWindow::playerToThrow(int player) {
    if (m_broadcast != nullptr) {
        m_broadcast->match_changed();
    }
    m_left[0]->setActive(player == 0);
    m_left[1]->setActive(player == 1);
}

void MainWindow::enablePreviousLeg(bool enabled) {
    m_menu->setEnabled(command::previous_leg, enabled);
}

bool MainWindow::nextGame() {
    const bool started = m_match->next_game();
    updateTitle();
    return started;
}

void MainWindow::startComputerTurn() {
    menuBar()->setEnabled(false);
    m_list->startComputerTurn();
}

void MainWindow::runComputerVisit(int player) {
    const DialogWaitScope waiting(m_broadcast, DialogWait{WaitKind::computer_visit, player});
    ComThrowDialog::run(this, m_match->game(), player, *m_context.com_table, options());
}

void MainWindow::writeRecovery(const GameRecord& game, RecoveryWrite mode, int player, int round) {
    if (m_broadcast != nullptr) {
        m_broadcast->match_changed();
    }
    const AppOptions& o = options();
    const FileStatus status = m_recovery.write(
        o.recovery == 1, mode, RecoveryContent{o.game, o.schedule, game}, player, round);
    tellWrite(WriteTarget::Recovery, m_recovery.path().string(), status);
}

void MainWindow::tellWrite(WriteTarget target, const std::string& path, const FileStatus& status) {
    if (const std::optional<WriteNotice> notice = m_write_notices.record(target, path, status)) {
        m_notices->tell_write(*notice);
    }
}

void MainWindow::autoSave(const GameRecord& game) {
    m_records->autoSave(game);
}

int MainWindow::notifyPlugins(int event, int parameter) {
    return m_plugins != nullptr ? m_plugins->notify(event, parameter) : 0;
}

void MainWindow::runCommand(int id) {
    if (m_broadcast != nullptr) {
        // The input cell may have moved: the keypad page shows the score left at it.
        m_broadcast->match_changed();
    }
    if (id >= command::template_first && id <= command::template_last) {
        m_match->sheet().enter_value(id - command::template_first, false);
        return;
    }
    if (id >= command::tools_first && id <= command::tools_last) {
        m_plugins->runTool(id);
        return;
    }
    switch (id) {
    case command::new_game:
        newGame();
        break;
    case command::exit:
        close();
        break;
    case command::auto_save:
        toggleAutoSave();
        break;
    case command::option:
        OptionCommands(*this).option();
        break;
    case command::new_schedule:
        OptionCommands(*this).newSchedule();
        break;
    case command::modify_schedule:
        OptionCommands(*this).modifySchedule();
        break;
    case command::check_out_mode:
        toggleCheckOutMode();
        break;
    case command::about:
        showAbout();
        break;
    case command::game_history:
        m_records->gameHistory();
        break;
    case command::career_statistics:
        open_career_statistics(*this);
        break;
    case command::dart_out_shots:
        m_records->dartOutShots();
        break;
    case command::online:
        OnlinePage::open(this, options().online_page,
                         QString::fromStdString(m_context.program_folder.string()));
        break;
    case command::user_guide:
        OnlinePage::open_guide(this, QString::fromStdString(m_context.program_folder.string()));
        break;
    case command::previous_leg:
        m_match->sheet().previous_leg();
        break;
    case command::key_left:
        m_keys->pressKey(Qt::Key_Left);
        break;
    case command::key_right:
        m_keys->pressKey(Qt::Key_Right);
        break;
    case command::full_screen:
        m_full_screen->toggle();
        m_menu->setChecked(command::full_screen, m_full_screen->active());
        break;
    case command::broadcast:
        BroadcastDialog::open_for(*m_broadcast, this);
        break;
    case command::refresh_menu_texts:
        m_menu->refreshTexts(options().keys);
        break;
    case command::view_name:
    case command::view_player:
    case command::view_left:
    case command::view_guide:
    case command::left_larger:
    case command::left_medium:
    case command::left_smaller:
    case command::index_of_darts:
        runViewCommand(id);
        break;
    default:
        runScoreCommand(id);
    }
}

void MainWindow::runScoreCommand(int id) {
    ScoreSheet& sheet = m_match->sheet();
    if (sheet.input_disabled()) {
        return;
    }
    switch (id) {
    case command::cancel:
        sheet.escape();
        break;
    case command::up:
        sheet.move_up();
        break;
    case command::down:
        sheet.move_down();
        break;
    case command::next:
        sheet.next_cell();
        break;
    case command::previous:
        sheet.previous_cell();
        break;
    case command::page_up:
        sheet.page_up();
        break;
    case command::page_down:
        sheet.page_down();
        break;
    case command::home:
        sheet.home();
        break;
    case command::end:
        sheet.end();
        break;
    case command::first_dart:
    case command::second_dart:
    case command::third_dart:
        sheet.finish_with_darts(id - command::first_dart + 1);
        break;
    case command::middle_for_diddle:
        sheet.middle_for_diddle_command();
        break;
    case command::input_left_score:
        sheet.input_left_score();
        break;
    case command::exchange_scores:
        sheet.exchange_scores();
        break;
    case command::clear_scores:
        sheet.clear_scores();
        break;
    default:
        break;
    }
}

void MainWindow::runViewCommand(int id) {
    AppOptions& o = options();
    const auto toggle = [&](std::int32_t& flag) {
        flag = flag == 1 ? 0 : 1;
        m_menu->setChecked(id, flag == 1);
    };
    switch (id) {
    case command::view_name:
        toggle(o.show_name);
        break;
    case command::view_player:
        toggle(o.show_player);
        break;
    case command::view_left:
        toggle(o.show_left);
        break;
    case command::view_guide:
        toggle(o.show_guide);
        break;
    case command::left_larger:
        o.left_font_size = 20;
        break;
    case command::left_medium:
        o.left_font_size = 40;
        break;
    case command::left_smaller:
        o.left_font_size = 60;
        break;
    case command::index_of_darts:
        toggle(o.throw_count);
        applyScreenStyle();
        break;
    default:
        break;
    }
    if (id >= command::left_larger && id <= command::left_smaller) {
        m_menu->setChecked(id, true);
    }
    applyVisibility();
    layoutChildren();
    if (id == command::view_player) {
        m_name->refresh();
    }
}

void MainWindow::newGame() {
    GameOptions edited = options().game;
    if (!GameOptionDialog::edit(this, edited, options(), m_context.settings_path)) {
        return;
    }
    options().game = edited;
    m_match->start_new_game(false);
    updateTitle();
}

void MainWindow::toggleAutoSave() {
    AppOptions& o = options();
    o.auto_save = o.auto_save == 1 ? 0 : 1;
    m_menu->setChecked(command::auto_save, o.auto_save == 1);
    if (o.auto_save == 1) {
        const auto folder = auto_save_folder(o.auto_save_path, m_context.data_folder);
        MessageBoxes::information(this, tr("A score is saved automatically at '%1'.")
                                            .arg(QString::fromStdString(folder.string())));
    }
}

void MainWindow::toggleCheckOutMode() {
    AppOptions& o = options();
    o.check_out_mode = o.check_out_mode == 1 ? 0 : 1;
    m_menu->setChecked(command::check_out_mode, o.check_out_mode == 1);
    if (o.check_out_mode == 1) {
        MessageBoxes::information(this, tr("The option was set as Check-Out mode."));
    }
    for (PlayerBlock& p : m_match->game().players) {
        p.ask_double = (o.check_out_mode == 1 && p.com != 1) ? 1 : 0;
    }
}

void MainWindow::showAbout() {
    MessageBoxes::information(this,
                              MessageBoxes::application_title() + QStringLiteral("\n") +
                                  tr("Scorer for two-player count-down darts.\nBuilt with Qt %1.")
                                      .arg(QString::fromLatin1(qVersion())),
                              tr("About"));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if ((!m_close_without_asking && !MessageBoxes::question(this, tr("Do you want to exit?"))) ||
        m_plugins->vetoClose(plugin_close_window)) {
        event->ignore();
        return;
    }
    finish(true);
    event->accept();
}

void MainWindow::finish(bool tell_failures) {
    if (m_finished) {
        return;
    }
    m_finished = true;
    const AppOptions& o = options();
    delete_recovery(m_recovery.path(), o.recovery_delete == 1);
    const ProfileSaveResult saved = save_options(m_context.settings_path, o);
    tellWrite(WriteTarget::Settings, m_context.settings_path,
              saved ? FileStatus::success() : FileStatus::failure(saved.error));
    m_plugins->unload();
    if (tell_failures) {
        m_notices->show_pending();
    }
}

} // namespace dvk
