#pragma once

#include "dialogs/option_page.h"
#include "settings/app_options.h"
#include "settings/plugin_list.h"

class QPushButton;

namespace dvk {

class ListEditor;
class PluginHost;

// "Plug-in": the configured plug-in functions with their libraries and shortcut keys, in the
// order of the Tools menu. Functions are added from a library chosen in the file dialog or
// dropped on the page. The rows are a working copy; only a confirmed sheet hands them to the
// host, so a cancelled one keeps every entry and its loaded library.
class PluginPage : public OptionPage {
    Q_OBJECT

public:
    PluginPage(const AppOptions& options, PluginHost& host, QWidget* parent = nullptr);

    void apply(AppOptions& options) const override;

    ListEditor* editor() const { return m_editor; }
    QPushButton* keyButton() const { return m_key; }
    const PluginRows& rows() const { return m_rows; }

    // Opens "Select Plug-in" for each library in turn and appends the functions chosen; the
    // first one the user cancels ends the run.
    void addLibraries(const QStringList& paths);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The texts of a row: title, library, function and key ("Nothing" without one).
    QStringList rowTexts(const PluginConfig& config) const;
    void appendRow(const PluginConfig& config, bool select);
    void addFromFile();
    void showProperty(int row);
    void chooseKey(int row);
    void deleteRow(int row);
    void moveRow(int row, bool up);
    void updateButtons();

    PluginHost& m_host;
    PluginRows m_rows;
    ListEditor* m_editor = nullptr;
    QPushButton* m_key = nullptr;
};

} // namespace dvk
