#pragma once

#include "settings/plugin_list.h"

#include <dvk/plugin.h>

#include <QLibrary>
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace dvk {

// One plug-in library, loaded until the object goes. Loading takes only an existing file
// named by an absolute path and resolves every symbol at once, so a library that needs
// something the program lacks fails to load instead of failing at its first call.
//
// Have one object per library file: a second QLibrary on a loaded file may unload it for
// the first when it goes.
class PluginLibrary {
public:
    // Functions a library may offer at most; get_plugin_info is asked no further.
    static constexpr int max_functions = 256;

    // The file name patterns of plug-in libraries: ".dvk" and the system's own library suffix.
    static QString file_patterns();

    explicit PluginLibrary(const QString& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // Loads the library; false with the reason in `error`.
    bool load(QString& error);

    const QString& path() const { return m_path; }

    // An exported symbol, or null with the system's reason in `error`.
    QFunctionPointer resolve(const std::string& name, QString& error);
    QFunctionPointer resolve(const std::string& name);

    // The functions get_plugin_info describes, in its order; nothing with the reason in
    // `error` when the library has no get_plugin_info or it failed.
    std::optional<std::vector<PluginFunctionInfo>> describe(dvk_window window, QString& error);

private:
    QString m_path;
    QLibrary m_library;
};

} // namespace dvk
