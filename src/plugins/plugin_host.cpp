#include "plugins/plugin_host.h"

#include "platform/message_boxes.h"
#include "plugins/plugin_guard.h"
#include "plugins/records/text_fields.h"

#include <QMetaObject>
#include <algorithm>

namespace dvk {
namespace {

constexpr bool may_reread(std::int32_t event) {
    return event == 256 || event == 512;
}

QString text_of(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

PluginHost::PluginHost(AppOptions& options, PluginWindow& window, dvk_window handle,
                       QObject* parent)
    : QObject(parent), m_options(options), m_window(window), m_handle(handle) {
    match_entries();
    enroll(this);
}

PluginHost::~PluginHost() {
    withdraw(this);
    unload_plugins();
}

void PluginHost::match_entries() {
    while (m_entries.size() < m_options.plugins.size()) {
        auto entry = std::make_unique<Entry>();
        write_text_field(entry->info.cmd_line, m_options.plugins[m_entries.size()].cmd_line);
        m_entries.push_back(std::move(entry));
    }
    while (m_entries.size() > m_options.plugins.size()) {
        m_retired.push_back(std::move(m_entries.back()));
        m_entries.pop_back();
    }
    release_retired();
}

PluginRecordSources PluginHost::sources() const {
    PluginRecordSources s = m_window.plugin_sources();
    s.plugins.reserve(m_entries.size());
    for (const auto& entry : m_entries) {
        s.plugins.push_back(
            {entry->event_mask, entry->function != nullptr, entry->function, entry->info});
    }
    return s;
}

std::optional<PluginCallName> PluginHost::watch_calls(const std::filesystem::path& file) {
    std::optional<PluginCallName> ended = PluginCallMarker::take_left(file);
    bool turned_off = false;
    if (ended.has_value()) {
        for (PluginConfig& config : m_options.plugins) {
            if (config.enabled && config.lib_file_path == ended->lib_file_path &&
                config.func_name == ended->func_name) {
                config.enabled = false;
                turned_off = true;
            }
        }
    }
    m_marker = std::make_unique<PluginCallMarker>(file);
    return turned_off ? ended : std::nullopt;
}

void PluginHost::set_settings_folder(const std::filesystem::path& folder) {
    m_settings_folder = folder.string();
}

template <typename Function>
std::optional<std::int32_t> PluginHost::run_call(std::int32_t event, const PluginCallName& name,
                                                 Function function) {
    m_calls.push_back({event, std::make_unique<PluginCallRecords>(sources())});
    PluginCallRecords& records = *m_calls.back().records;
    std::string failure;
    std::optional<std::int32_t> answer;
    {
        const PluginCallMarker::Call marked(m_marker.get(), name);
        answer = guarded_plugin_call([&] { return function(records); }, failure);
    }
    if (answer.has_value() && (*answer & DVK_ANSWER_REREAD) != 0 && may_reread(event)) {
        read_back_input_entry(records);
    }
    m_calls.pop_back();
    if (!answer.has_value()) {
        report_failure(text_of(name.func_name), failure);
    }
    release_retired();
    return answer;
}

void PluginHost::read_back_input_entry(PluginCallRecords& records) {
    const ScoreSheet* sheet = records.sources().sheet;
    if (sheet == nullptr || sheet->shown_leg() < 0) {
        return;
    }
    const InputCell cell = sheet->input_cell();
    const std::optional<std::int16_t> entry =
        records.game_entry(static_cast<std::size_t>(sheet->shown_leg()), cell.player,
                           static_cast<std::size_t>(std::max(cell.round, 0)));
    if (entry.has_value()) {
        m_window.rewrite_input_entry(*entry);
    }
}

void PluginHost::report_failure(const QString& name, const std::string& failure) {
    QString text = tr("The plug-in function \"%1\" failed and is not called again.").arg(name);
    if (!failure.empty()) {
        text += QStringLiteral("\n") + text_of(failure);
    }
    // Told once the program is back in its event loop, not in the middle of what it was
    // doing when it called the plug-in.
    QMetaObject::invokeMethod(
        this, [this, text] { MessageBoxes::error(m_window.message_owner(), text); },
        Qt::QueuedConnection);
}

void PluginHost::release_retired() {
    if (m_calls.empty()) {
        m_retired.clear();
    }
}

std::shared_ptr<PluginLibrary> PluginHost::open_library(const QString& path, QString& error) {
    std::erase_if(m_libraries, [](const auto& library) { return library.expired(); });
    for (const auto& weak : m_libraries) {
        if (auto library = weak.lock(); library->path() == path) {
            return library;
        }
    }
    auto library = std::make_shared<PluginLibrary>(path);
    if (!library->load(error)) {
        return nullptr;
    }
    m_libraries.push_back(library);
    return library;
}

bool PluginHost::load_entry(std::size_t index) {
    Entry& entry = *m_entries[index];
    const PluginConfig& config = m_options.plugins[index];
    const QString path = text_of(config.lib_file_path);
    QString error;
    std::shared_ptr<PluginLibrary> library = open_library(path, error);
    if (library == nullptr) {
        MessageBoxes::error(m_window.message_owner(), QStringLiteral("%1\n%2").arg(error, path));
        return false;
    }
    const QString name = text_of(config.func_name);
    const auto function =
        reinterpret_cast<dvk_plugin_function>(library->resolve(config.func_name, error));
    if (function == nullptr) {
        MessageBoxes::error(m_window.message_owner(),
                            QStringLiteral("%1\n%2\n%3").arg(error, path, name));
        return false;
    }
    entry.library = std::move(library);
    entry.function = function;
    entry.event_mask = 0;
    entry.failed = false;
    const auto initialize = reinterpret_cast<dvk_plugin_initialize_function>(
        entry.library->resolve(config.func_name + "_initialize"));
    if (initialize == nullptr) {
        return true;
    }
    const PluginCallName call{config.lib_file_path, config.func_name,
                              config.func_name + "_initialize"};
    const std::optional<std::int32_t> mask = run_call(-1, call, [&](PluginCallRecords& records) {
        entry.info.size = sizeof(dvk_plugin_info);
        entry.info.data = records.game();
        return initialize(m_handle, &entry.info);
    });
    entry.failed = !mask.has_value();
    entry.event_mask = mask.value_or(0);
    m_options.plugins[index].cmd_line = read_text_field(entry.info.cmd_line);
    return true;
}

void PluginHost::load_plugins() {
    match_entries();
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const PluginConfig& config = m_options.plugins[i];
        if (m_entries[i]->library == nullptr && config.enabled && !config.lib_file_path.empty()) {
            load_entry(i);
        }
    }
}

std::int32_t PluginHost::call_plugin(std::size_t index, std::int32_t event,
                                     std::int32_t parameter) {
    if (index >= m_entries.size() || m_entries[index]->function == nullptr ||
        m_entries[index]->failed) {
        return 0;
    }
    Entry& entry = *m_entries[index];
    const PluginConfig& config = m_options.plugins[index];
    const PluginCallName call{config.lib_file_path, config.func_name,
                              config.func_name + ", event " + std::to_string(event)};
    const std::optional<std::int32_t> answer =
        run_call(event, call, [&](PluginCallRecords& records) {
            entry.info.size = sizeof(dvk_plugin_info);
            entry.info.data = records.game();
            return entry.function(m_handle, event, &entry.info, parameter);
        });
    if (!answer.has_value()) {
        entry.failed = true;
        return 0;
    }
    if (index < m_options.plugins.size()) {
        m_options.plugins[index].cmd_line = read_text_field(entry.info.cmd_line);
    }
    return *answer;
}

std::int32_t PluginHost::call_plugins(std::int32_t event, std::int32_t parameter) {
    std::int32_t combined = 0;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if ((m_entries[i]->event_mask & event) == 0) {
            continue;
        }
        const std::int32_t answer = call_plugin(i, event, parameter);
        combined |= answer;
        if ((answer & DVK_ANSWER_CANCEL) != 0) {
            break;
        }
    }
    return combined;
}

void PluginHost::unload_plugins() {
    for (auto& entry : m_entries) {
        auto retired = std::make_unique<Entry>();
        retired->library = std::move(entry->library);
        m_retired.push_back(std::move(retired));
        entry->function = nullptr;
        entry->event_mask = 0;
    }
    release_retired();
}

bool PluginHost::is_loaded(std::size_t index) const {
    return index < m_entries.size() && m_entries[index]->function != nullptr;
}

std::vector<std::int32_t> PluginHost::event_masks() const {
    std::vector<std::int32_t> masks;
    masks.reserve(m_entries.size());
    for (const auto& entry : m_entries) {
        masks.push_back(entry->function != nullptr ? entry->event_mask : 0);
    }
    return masks;
}

std::optional<std::vector<PluginFunctionInfo>> PluginHost::library_functions(const QString& path) {
    QString error;
    std::optional<std::vector<PluginFunctionInfo>> functions;
    if (const std::shared_ptr<PluginLibrary> library = open_library(path, error)) {
        m_calls.push_back({-1, std::make_unique<PluginCallRecords>(sources())});
        functions = library->describe(m_handle, error);
        m_calls.pop_back();
    }
    if (!functions.has_value()) {
        MessageBoxes::error(m_window.message_owner(), error, path);
    }
    return functions;
}

std::optional<std::string> PluginHost::show_property(const PluginRow& row) {
    const PluginConfig& config = row.config;
    const QString path = text_of(config.lib_file_path);
    dvk_plugin_info info{};
    const auto index = static_cast<std::size_t>(row.list_index);
    if (row.list_index >= 0 && index < m_entries.size() && m_entries[index]->library != nullptr) {
        info = m_entries[index]->info;
    }
    QString error;
    const std::shared_ptr<PluginLibrary> library = open_library(path, error);
    if (library == nullptr) {
        MessageBoxes::error(m_window.message_owner(), error, path);
        return std::nullopt;
    }
    write_text_field(info.cmd_line, config.cmd_line);
    const auto property = reinterpret_cast<dvk_plugin_property_function>(
        library->resolve(config.func_name + "_property"));
    std::optional<std::int32_t> answer;
    if (property != nullptr) {
        const PluginCallName call{config.lib_file_path, config.func_name,
                                  config.func_name + "_property"};
        answer = run_call(-1, call, [&](PluginCallRecords&) {
            info.size = sizeof(dvk_plugin_info);
            info.data = nullptr;
            return property(m_handle, &info);
        });
    }
    if (answer == 1) {
        return read_text_field(info.cmd_line);
    }
    if (property == nullptr || answer.has_value()) {
        MessageBoxes::warning(m_window.message_owner(),
                              tr("This Item has no options that you can set."));
    }
    return std::nullopt;
}

void PluginHost::apply_rows(const PluginRows& rows) {
    std::vector<std::unique_ptr<Entry>> next;
    next.reserve(rows.size());
    for (const PluginRow& row : rows.rows()) {
        const auto index = static_cast<std::size_t>(row.list_index);
        // An entry turned off lets its library go; turned on again, it is loaded anew.
        if (row.list_index >= 0 && index < m_entries.size() && m_entries[index] != nullptr &&
            row.config.enabled) {
            next.push_back(std::move(m_entries[index]));
        } else {
            next.push_back(std::make_unique<Entry>());
        }
        write_text_field(next.back()->info.cmd_line, row.config.cmd_line);
    }
    for (auto& gone : m_entries) {
        if (gone != nullptr) {
            m_retired.push_back(std::move(gone));
        }
    }
    m_entries = std::move(next);
    m_options.plugins = rows.configs();
    release_retired();
}

} // namespace dvk
