#include "dialogs/plugin_page.h"

#include "dialogs/list_editor.h"
#include "dialogs/plugin_key_dialog.h"
#include "dialogs/select_plugin_dialog.h"
#include "platform/file_dialogs.h"
#include "platform/key_codes.h"
#include "platform/message_boxes.h"
#include "plugins/plugin_host.h"
#include "plugins/plugin_library.h"
#include "settings/options_load.h"

#include <QBoxLayout>
#include <QDropEvent>
#include <QMetaObject>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace dvk {
namespace {

QString text_of(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The local files among dropped URLs, in their order.
QStringList local_files(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls()) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            files << url.toLocalFile();
        }
    }
    return files;
}

} // namespace

PluginPage::PluginPage(const AppOptions& options, PluginHost& host, QWidget* parent)
    : OptionPage(parent), m_host(host), m_rows(options.plugins) {
    setObjectName(QStringLiteral("PluginPage"));
    setWindowTitle(tr("Plug-in"));
    setAcceptDrops(true);
    m_editor = new ListEditor(QString(),
                              {{tr("Title"), 120, Qt::AlignLeft},
                               {tr("DLL"), 70, Qt::AlignLeft, true},
                               {tr("Function"), 70, Qt::AlignLeft},
                               {tr("Key"), 80, Qt::AlignLeft}},
                              this);
    m_editor->list()->setAccessibleName(tr("Plug-ins"));
    m_editor->editButton()->setText(tr("&Property..."));
    m_editor->editButton()->setObjectName(QStringLiteral("property"));
    m_key = new QPushButton(tr("&Key..."), this);
    m_key->setObjectName(QStringLiteral("key"));
    m_key->setAutoDefault(false);
    QBoxLayout* buttons = m_editor->buttonRow();
    buttons->insertWidget(buttons->indexOf(m_editor->editButton()) + 1, m_key);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_editor);
    for (const PluginRow& row : m_rows.rows()) {
        appendRow(row.config, false);
    }
    // The check box of a title turns its function on or off.
    connect(m_editor->list(), &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
        const int row = m_editor->list()->indexOfTopLevelItem(item);
        // A row being added changes its texts before it has its check box.
        if (row >= 0 && item->data(0, Qt::CheckStateRole).isValid()) {
            m_rows.set_enabled(static_cast<std::size_t>(row), item->checkState(0) == Qt::Checked);
        }
    });
    connect(m_editor, &ListEditor::currentRowChanged, this, &PluginPage::updateButtons);
    connect(m_editor, &ListEditor::addRequested, this, &PluginPage::addFromFile);
    connect(m_editor, &ListEditor::editRequested, this, &PluginPage::showProperty);
    connect(m_editor, &ListEditor::deleteRequested, this, &PluginPage::deleteRow);
    connect(m_editor, &ListEditor::upRequested, this, [this](int row) { moveRow(row, true); });
    connect(m_editor, &ListEditor::downRequested, this, [this](int row) { moveRow(row, false); });
    connect(m_key, &QPushButton::clicked, this, [this] {
        if (const int row = m_editor->currentRow(); row >= 0) {
            chooseKey(row);
        }
    });
    m_editor->selectRow(0);
    updateButtons();
    setFocusProxy(m_editor->list());
}

QStringList PluginPage::rowTexts(const PluginConfig& config) const {
    const QString key = format_key_name(config.modifiers, config.key);
    return {text_of(config.title), text_of(config.lib_file_path), text_of(config.func_name),
            key.isEmpty() ? tr("Nothing") : key};
}

void PluginPage::appendRow(const PluginConfig& config, bool select) {
    if (select) {
        m_editor->appendAndSelect(rowTexts(config));
    } else {
        m_editor->appendRow(rowTexts(config));
    }
    QTreeWidgetItem* item = m_editor->list()->topLevelItem(m_editor->rowCount() - 1);
    // The library column is narrow for a path; the whole one shows on hovering.
    item->setToolTip(1, text_of(config.lib_file_path));
    const QSignalBlocker quiet(m_editor->list());
    item->setCheckState(0, config.enabled ? Qt::Checked : Qt::Unchecked);
}

void PluginPage::updateButtons() {
    const bool selected = m_editor->currentRow() >= 0;
    m_editor->setRowButtons(selected, selected, selected, selected);
    m_key->setEnabled(selected);
}

void PluginPage::addFromFile() {
    const QString path =
        FileDialogs::open_file_name(this, {tr("Select Plug-in File"), QString(),
                                           tr("Plug-in (%1)").arg(PluginLibrary::file_patterns())});
    if (!path.isEmpty()) {
        addLibraries({path});
    }
}

void PluginPage::addLibraries(const QStringList& paths) {
    for (const QString& path : paths) {
        const std::optional<std::vector<PluginFunctionInfo>> chosen =
            SelectPluginDialog::choose(this, m_host, path);
        if (!chosen) {
            return;
        }
        const std::size_t first = m_rows.size();
        const std::size_t added = m_rows.add_functions(path.toStdString(), *chosen);
        for (std::size_t row = first; row < m_rows.size(); ++row) {
            appendRow(m_rows.rows()[row].config, true);
        }
        if (added < chosen->size()) {
            MessageBoxes::warning(this, tr("The list holds at most %1 plug-in functions; %2 of "
                                           "them were not added.")
                                            .arg(max_plugin_entries)
                                            .arg(chosen->size() - added));
            return;
        }
    }
}

void PluginPage::showProperty(int row) {
    const auto index = static_cast<std::size_t>(row);
    if (const std::optional<std::string> cmd_line = m_host.show_property(m_rows.rows()[index])) {
        m_rows.set_cmd_line(index, *cmd_line);
    }
}

void PluginPage::chooseKey(int row) {
    const auto index = static_cast<std::size_t>(row);
    const PluginConfig& config = m_rows.rows()[index].config;
    const std::optional<PluginKey> chosen =
        PluginKeyDialog::edit(this, {config.modifiers, config.key}, text_of(config.title));
    if (chosen && m_rows.set_key(index, chosen->modifiers, chosen->key)) {
        m_editor->setRowTexts(row, rowTexts(m_rows.rows()[index].config));
    }
}

void PluginPage::deleteRow(int row) {
    if (!m_editor->confirmDelete()) {
        return;
    }
    m_rows.remove(static_cast<std::size_t>(row));
    m_editor->removeRow(row);
}

void PluginPage::moveRow(int row, bool up) {
    const auto index = static_cast<std::size_t>(row);
    const std::optional<std::size_t> moved = up ? m_rows.move_up(index) : m_rows.move_down(index);
    if (moved) {
        m_editor->moveRow(row, static_cast<int>(*moved));
    }
}

void PluginPage::dragEnterEvent(QDragEnterEvent* event) {
    if (!local_files(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void PluginPage::dropEvent(QDropEvent* event) {
    const QStringList files = local_files(event->mimeData());
    if (files.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // The dialogs open once the drop has ended, so the program the files came from is not
    // kept waiting for them.
    QMetaObject::invokeMethod(
        this, [this, files] { addLibraries(files); }, Qt::QueuedConnection);
}

void PluginPage::apply(AppOptions& options) const {
    m_host.apply_rows(m_rows);
    options.plugins = m_rows.configs();
}

} // namespace dvk
