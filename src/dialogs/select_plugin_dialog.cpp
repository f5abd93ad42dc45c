#include "dialogs/select_plugin_dialog.h"

#include "dialogs/dialog_buttons.h"
#include "platform/dialog_placement.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "plugins/plugin_host.h"
#include "settings/app_options.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include <utility>

namespace dvk {

SelectPluginDialog::SelectPluginDialog(std::vector<PluginFunctionInfo> functions, QWidget* owner)
    : QDialog(owner), m_functions(std::move(functions)) {
    setObjectName(QStringLiteral("SelectPluginDialog"));
    setWindowTitle(tr("Select Plug-in"));
    setAccessibleName(windowTitle());
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("functions"));
    m_list->setAccessibleName(tr("Functions"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const PluginFunctionInfo& function : m_functions) {
        m_list->addItem(QString::fromStdString(function.title));
    }
    m_list->selectAll();
    m_list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(ok_cancel_buttons(this));
    m_list->setFocus();
}

std::vector<PluginFunctionInfo> SelectPluginDialog::selected() const {
    std::vector<PluginFunctionInfo> chosen;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected()) {
            chosen.push_back(m_functions[static_cast<std::size_t>(row)]);
        }
    }
    return chosen;
}

void SelectPluginDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_owner(this);
}

std::optional<std::vector<PluginFunctionInfo>>
SelectPluginDialog::choose(QWidget* owner, PluginHost& host, const QString& path) {
    // The settings keep a library's path in a field of fixed size; a longer one would come
    // back cut and name no file.
    if (static_cast<std::size_t>(path.toUtf8().size()) > max_path_bytes) {
        MessageBoxes::error(owner,
                            tr("The path is longer than %1 bytes, too long to be kept in the "
                               "settings.")
                                .arg(max_path_bytes),
                            path);
        return std::vector<PluginFunctionInfo>{};
    }
    std::optional<std::vector<PluginFunctionInfo>> functions = host.library_functions(path);
    if (!functions) {
        return std::vector<PluginFunctionInfo>{};
    }
    SelectPluginDialog dialog(std::move(*functions), owner);
    QStringList titles;
    for (int row = 0; row < dialog.list()->count(); ++row) {
        titles << dialog.list()->item(row)->text();
    }
    const QVariantMap arguments{{QStringLiteral("path"), path}, {QStringLiteral("titles"), titles}};
    const std::optional<bool> scripted = DialogScript::run_scripted(dialog, arguments);
    if (!(scripted ? *scripted : dialog.exec() == QDialog::Accepted)) {
        return std::nullopt;
    }
    return dialog.selected();
}

} // namespace dvk
