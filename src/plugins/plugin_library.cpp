#include "plugins/plugin_library.h"

#include "plugins/plugin_guard.h"
#include "plugins/records/text_fields.h"
#include "storage/file_helpers.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace dvk {

QString PluginLibrary::file_patterns() {
#if defined(Q_OS_WIN)
    return QStringLiteral("*.dvk *.dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("*.dvk *.dylib");
#else
    return QStringLiteral("*.dvk *.so");
#endif
}

PluginLibrary::PluginLibrary(const QString& path) : m_path(path), m_library(path) {
    m_library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
}

PluginLibrary::~PluginLibrary() {
    m_library.unload();
}

bool PluginLibrary::load(QString& error) {
    const QFileInfo file(m_path);
    if (!file.isAbsolute()) {
        error = QCoreApplication::translate("PluginHost", "The path is not an absolute path.");
        return false;
    }
    // A folder, a pipe or a device is refused before the loader opens it, with its true reason.
    if (const FileStatus status = check_regular_file(QFile::encodeName(m_path).toStdString());
        !status) {
        error = QString::fromLocal8Bit(status.reason);
        return false;
    }
    if (!m_library.load()) {
        error = m_library.errorString();
        return false;
    }
    return true;
}

QFunctionPointer PluginLibrary::resolve(const std::string& name, QString& error) {
    const QFunctionPointer function = m_library.resolve(name.c_str());
    if (function == nullptr) {
        // QLibrary keeps no reason for a missing symbol.
        error = QCoreApplication::translate("PluginHost", "The library has no function \"%1\".")
                    .arg(QString::fromStdString(name));
    }
    return function;
}

QFunctionPointer PluginLibrary::resolve(const std::string& name) {
    return m_library.resolve(name.c_str());
}

std::optional<std::vector<PluginFunctionInfo>> PluginLibrary::describe(dvk_window window,
                                                                       QString& error) {
    const auto get_plugin_info =
        reinterpret_cast<dvk_get_plugin_info_function>(resolve("get_plugin_info", error));
    if (get_plugin_info == nullptr) {
        return std::nullopt;
    }
    std::vector<PluginFunctionInfo> functions;
    for (int index = 0; index < max_functions; ++index) {
        dvk_plugin_description description{};
        description.size = sizeof(description);
        std::string failure;
        const std::optional<std::int32_t> answer = guarded_plugin_call(
            [&] { return get_plugin_info(window, index, &description); }, failure);
        if (!answer.has_value()) {
            error = QString::fromStdString(failure);
            return std::nullopt;
        }
        if (*answer == 0) {
            break;
        }
        PluginFunctionInfo function{read_text_field(description.title),
                                    read_text_field(description.function_name),
                                    read_text_field(description.cmd_line)};
        // A description without a function names nothing that could be called.
        if (!function.func_name.empty()) {
            functions.push_back(std::move(function));
        }
    }
    return functions;
}

} // namespace dvk
