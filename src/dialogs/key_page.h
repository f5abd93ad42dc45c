#pragma once

#include "dialogs/action_names.h"
#include "dialogs/option_page.h"
#include "settings/app_options.h"
#include "settings/key_page_model.h"

namespace dvk {

class ListEditor;

// "Key": the key table, each binding with its function and its key, in the order the keys are
// tried. Bindings are added and changed in the "Select key" dialog.
class KeyPage : public OptionPage {
    Q_OBJECT

public:
    KeyPage(const AppOptions& options, CommandTextFunction command_text, QWidget* parent = nullptr);

    void apply(AppOptions& options) const override;

    ListEditor* editor() const { return m_editor; }

private:
    // The texts of a row: its function and its key ("Nothing" without one).
    QStringList rowTexts(const KeyBinding& binding) const;
    void addBinding();
    void editBinding(int row);
    void deleteBinding(int row);
    void moveBinding(int row, bool up);
    void updateButtons();

    CommandTextFunction m_command_text;
    KeyPageModel m_model;
    ListEditor* m_editor = nullptr;
};

} // namespace dvk
