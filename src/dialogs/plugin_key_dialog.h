#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>

namespace dvk {

class HotKeyEdit;

// The shortcut key of a plug-in function.
struct PluginKey {
    std::int32_t modifiers = 0; // 4 Shift, 8 Ctrl, 16 Alt
    std::int32_t key = 0;       // virtual key; 0 for none

    bool operator==(const PluginKey&) const = default;
};

// "Select key" for a plug-in function: one hot-key field, "OK" and "Cancel".
class PluginKeyDialog : public QDialog {
    Q_OBJECT

public:
    // `title` names the function in the question about a key that score entry needs.
    PluginKeyDialog(const PluginKey& key, QString title, QWidget* owner = nullptr);

    // Opens the dialog on `key`, modally or as the active DialogScript answers
    // "PluginKeyDialog"; the key on "OK", none on "Cancel".
    static std::optional<PluginKey> edit(QWidget* owner, const PluginKey& key,
                                         const QString& title);

    HotKeyEdit* keyField() const { return m_key; }
    PluginKey key() const;

public Q_SLOTS:
    // A key score entry needs is bound only when the user confirms it.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_title;
    HotKeyEdit* m_key = nullptr;
};

} // namespace dvk
