#pragma once

#include "settings/plugin_list.h"

#include <QDialog>

#include <optional>
#include <vector>

class QListWidget;

namespace dvk {

class PluginHost;

// "Select Plug-in": the functions a plug-in library offers, by their titles, all selected as
// it opens; "OK" takes the selected ones.
class SelectPluginDialog : public QDialog {
    Q_OBJECT

public:
    SelectPluginDialog(std::vector<PluginFunctionInfo> functions, QWidget* owner = nullptr);

    // Asks `host` for the functions of the library at `path` and lets the user choose among
    // them, modally or as the active DialogScript answers "SelectPluginDialog". The chosen
    // functions on "OK"; none when the user cancels. A library that cannot be read is told in
    // an error box captioned with its path (and so is a path too long to be kept in the
    // settings); that gives an empty choice, not a cancel.
    static std::optional<std::vector<PluginFunctionInfo>> choose(QWidget* owner, PluginHost& host,
                                                                 const QString& path);

    QListWidget* list() const { return m_list; }
    // The selected functions, in the library's order.
    std::vector<PluginFunctionInfo> selected() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::vector<PluginFunctionInfo> m_functions;
    QListWidget* m_list = nullptr;
};

} // namespace dvk
