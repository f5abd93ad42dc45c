#pragma once

#include "settings/key_binding.h"

#include <QHash>
#include <QObject>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace dvk {

// The menu bar of the main window: every command as an action carrying its command id, the
// Template submenu built from the key table, and the key names shown beside the commands.
class MainMenu : public QObject {
    Q_OBJECT
public:
    MainMenu(QMenuBar* bar, QObject* parent);

    QAction* action(int command) const { return m_actions.value(command); }
    QMenu* scoreMenu() const { return m_score; }
    QMenuBar* bar() const { return m_bar; }
    // The command's text as the menu shows it without a key name ("&New Game...").
    static QString commandText(int command);

    void setChecked(int command, bool checked);
    void setEnabled(int command, bool enabled);
    // Rebuilds the Template submenu and appends the key names to the command texts.
    void refreshTexts(const std::vector<KeyBinding>& keys);

Q_SIGNALS:
    void commandTriggered(int command);

private:
    QAction* add(QMenu* menu, int command);
    void buildGameMenu();
    void buildViewMenu();
    void buildScoreMenu();
    void buildHelpMenu();

    QMenuBar* m_bar;
    QMenu* m_score = nullptr;
    QMenu* m_template = nullptr;
    QHash<int, QAction*> m_actions;
};

} // namespace dvk
