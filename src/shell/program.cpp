#include "shell/program.h"

#include "com/arrange_loader.h"
#include "platform/system_services.h"
#include "settings/options_load.h"
#include "shell/file_notices.h"
#include "shell/screen_state_probe.h"
#include "storage/auto_save.h"
#include "storage/recovery_file.h"
#include "storage/stale_files.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace dvk {

namespace {

OptionsEnvironment environment() {
    OptionsEnvironment env;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        env.work_area = WorkArea{area.left(), area.top(), area.right() + 1, area.bottom() + 1};
    }
    env.japanese_locale = is_japanese_locale();
    env.player1_name = QCoreApplication::translate("MainWindow", "Player 1").toStdString();
    env.player2_name = QCoreApplication::translate("MainWindow", "Player 2").toStdString();
    return env;
}

} // namespace

Program::Program(const ProgramFolders& folders) : m_folders(folders) {
    const std::filesystem::path& tables = m_folders.settings_folder;
    remove_stale_temporary_files(m_folders.recovery_folder, {recovery_file_name});
    remove_stale_temporary_files(m_folders.settings_folder, {"dvk.ini"});
    const OptionsLoadResult settings =
        load_options(m_folders.settings_file().string(), environment(), m_options);
    m_settings_problem = settings.unreadable;
    if (settings.unknown_com_level) {
        m_unknown_com_levels.push_back(m_folders.settings_file());
    }
    remove_stale_temporary_files(auto_save_folder(m_options.auto_save_path, m_folders.data_folder),
                                 {"*.csv"});
    m_checkout = load_table(tables, BuiltinTable::Checkout);
    m_com = std::make_unique<ComTable>(load_table(tables, BuiltinTable::Com));
    ShellContext context;
    context.options = &m_options;
    context.program_folder = m_folders.program_folder;
    context.settings_path = m_folders.settings_file().string();
    context.recovery_file = m_folders.recovery_file();
    context.data_folder = m_folders.data_folder;
    context.archive_folder = m_folders.recovery_folder;
    context.checkout_table = &m_checkout;
    context.com_table = m_com.get();
    m_window = std::make_unique<MainWindow>(context, recover());
    tell_unread_files();
    tell_refused_recovery();
    // The end-to-end tests name a file here and ask for the screen's state with SIGUSR1.
    const QString probe_path = qEnvironmentVariable("DVK_E2E_STATE");
    if (!probe_path.isEmpty()) {
        new ScreenStateProbe(*m_window, probe_path, m_window.get());
    }
}

Program::Program(const std::filesystem::path& program_folder)
    : Program(ProgramFolders::portable(program_folder)) {}

Program::~Program() = default;

ArrangeTable Program::load_table(const std::filesystem::path& folder, BuiltinTable table) {
    const std::filesystem::path path = folder / arrange_file_name(table);
    ArrangeLoad load = load_arrange_table(path, table);
    if (!load.problem.empty()) {
        m_table_problems.emplace_back(path, std::move(load.problem));
    }
    return std::move(load.table);
}

void Program::tell_unread_files() {
    FileNotices& notices = *m_window->fileNotices();
    if (!m_settings_problem.empty()) {
        notices.tell_unread_settings(m_folders.settings_file(),
                                     QString::fromStdString(m_settings_problem));
    }
    for (const auto& [path, problem] : m_table_problems) {
        notices.tell_unread_table(path, QString::fromStdString(problem));
    }
    for (const std::filesystem::path& path : m_unknown_com_levels) {
        notices.tell_unknown_com_level(path);
    }
}

std::optional<GameRecord> Program::recover() {
    const std::filesystem::path path = m_folders.recovery_file();
    RecoveryLoad load = load_recovery(path, m_options.recovery == 1);
    switch (load.status) {
    case RecoveryLoadStatus::Loaded:
        if (load.unknown_com_level) {
            m_unknown_com_levels.push_back(path);
        }
        m_options.game = load.options;
        if (load.schedule.has_value()) {
            m_options.schedule = std::move(*load.schedule);
        }
        return std::move(load.game);
    case RecoveryLoadStatus::Unreadable:
    case RecoveryLoadStatus::NotLoadable:
        m_kept_recovery = keep_unloadable_recovery(path);
        // An empty file holds no game to lose: it is replaced without a word.
        if (std::error_code ignored;
            !m_kept_recovery && !std::filesystem::is_empty(path, ignored)) {
            m_unkept_reason = load.reason;
        }
        return std::nullopt;
    case RecoveryLoadStatus::Disabled:
    case RecoveryLoadStatus::Missing:
        return std::nullopt;
    }
    return std::nullopt;
}

void Program::tell_refused_recovery() {
    if (m_kept_recovery) {
        m_window->fileNotices()->tell_kept_recovery(*m_kept_recovery);
    } else if (m_unkept_reason) {
        m_window->fileNotices()->tell_unkept_recovery(m_folders.recovery_file(),
                                                      QString::fromStdString(*m_unkept_reason));
    }
}

void Program::show() {
    MainWindow& w = *m_window;
    const WindowRect& r = m_options.main_window;
    if (r.is_stored()) {
        w.move(r.left, r.top);
        w.resize(std::max(r.width, 320), std::max(r.height, 240));
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        w.setGeometry(screen->availableGeometry());
    }
    if (m_options.full_screen == 1) {
        w.showFullScreen();
    } else if (m_options.show_state == 3) {
        w.showMaximized();
    } else {
        w.show();
    }
}

} // namespace dvk
