#pragma once

#include "layout/side_window_geometry.h"
#include "settings/app_options.h"
#include "settings/key_binding.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QTimer;

namespace dvk {

// The function-key guide bar: what F1 to F12 do under the modifier keys held right now, in two
// rows of six slots. Clicking a slot runs its command. While Shift, Ctrl or Alt is held the
// bar polls the keyboard and shows the bindings of those modifiers.
class ScoreGuideWnd : public QWidget {
    Q_OBJECT
public:
    // The menu text of a command (with its mnemonic), for naming the commands that are no
    // score templates.
    using MenuTextFunction = std::function<QString(int command)>;
    // The modifier keys held now.
    using ModifierSource = std::function<Qt::KeyboardModifiers()>;

    static constexpr int poll_interval_ms = 100;
    static constexpr int tooltip_delay_ms = 2000;

    // `options` is the program's options record and outlives the window.
    ScoreGuideWnd(const AppOptions& options, MenuTextFunction menu_text, QWidget* parent = nullptr);

    void setKeyTable(const std::vector<KeyBinding>& keys);
    // Shift, Ctrl or Alt went down somewhere in the match screen: follow the modifiers until
    // they are all released.
    void modifierKeyPressed();
    // Colours changed.
    void reloadOptions();

    // Reads the modifiers from `source` instead of the keyboard (tests).
    void setModifierSource(ModifierSource source);

    // The bar height for `length`, the shorter side of the main window's client area.
    int heightFor(int length) const;

    // The held modifiers as key-table flags (4 Shift, 8 Ctrl, 16 Alt).
    int modifiers() const { return m_modifiers; }
    bool isPolling() const;
    // Slot 1 to 12 under a point, 0 for none.
    int slotAt(const QPoint& point) const;
    QRect slotRect(int slot) const;
    // The command of a slot under the held modifiers.
    std::optional<int> slotCommand(int slot) const;
    // The command's full name (the tooltip text), and the name as drawn. The label font shrinks
    // (down to half the size the bar's height allows) so that the names fit; a name too long
    // even for that is cut to its slot.
    QString slotName(int slot) const;
    QString shownName(int slot) const;
    // The slot highlighted under the pressed mouse button, 0 for none.
    int hotSlot() const { return m_hot_slot; }
    const QFont& labelFont() const { return m_font; }

Q_SIGNALS:
    void commandTriggered(int command);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Colors {
        QColor background;
        QColor text;
        QColor select_background;
        QColor select_text;
        QColor box_background;
        QColor box_text;
        QColor box_frame;
        QColor box_disable;
    };

    struct Slot {
        std::optional<int> command;
        QString name;
        QString shown;
    };

    void pollModifiers();
    void assignSlots();
    void fitFont();
    void cutNames();
    QString commandName(int command) const;
    // Width left for a slot's command name beside a key cap of `cap_width`.
    int nameRoom(int cap_width) const;
    void showToolTip();
    void paintSlot(QPainter& painter, int slot);
    const Slot& slotData(int slot) const;

    const AppOptions& m_options;
    MenuTextFunction m_menu_text;
    ModifierSource m_modifier_source;
    std::vector<KeyBinding> m_keys;
    int m_modifiers = 0;
    std::array<Slot, guide_slot_count> m_slots;
    QTimer* m_poll_timer = nullptr;
    QTimer* m_tooltip_timer = nullptr;
    Colors m_colors;
    QFont m_font;
    int m_cap_width = 0;
    bool m_captured = false;
    int m_hot_slot = 0;
    int m_pressed_slot = 0;
    int m_tip_slot = 0;
    QPoint m_tip_position;
    bool m_fit_pending = true;
};

} // namespace dvk
