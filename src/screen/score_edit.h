#pragma once

#include "layout/score_text_model.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstddef>
#include <vector>

namespace dvk {

// Colours of the input cell (settings section "color"); the defaults are those of a fresh
// settings file.
struct ScoreEditColors {
    QColor background{0xFF, 0xFF, 0x80};        // input_background
    QColor text{0x00, 0x00, 0x00};              // input_text
    QColor select_background{0x0A, 0x24, 0x6A}; // input_select_background
    QColor select_text{0xFF, 0xFF, 0xFF};       // input_select_text
    QColor ton_circle{0xA0, 0xA0, 0xA0};        // ton_circle
};

// The input cell of the score list: a one-line, digits-only edit that looks like a cell of the
// list, with the number centred and a circle around a ton. The editing rules live in
// ScoreTextModel; this widget turns keys, mouse and clipboard into its operations and paints it.
//
// Keys the control does not use (Enter, Tab, Escape, Up, Down, ...), context-menu requests and
// wheel turns are left to the parent.
class ScoreEdit : public QWidget {
    Q_OBJECT

public:
    explicit ScoreEdit(QWidget* parent = nullptr);

    // Replaces the text and forgets the undo history and the modified flag.
    void setText(const QString& text);
    QString text() const;
    bool isModified() const { return m_model.is_modified(); }
    void setModified(bool modified) { m_model.set_modified(modified); }
    void selectAll();
    // The most characters the text may hold; 0 means no limit.
    void setMaxLength(int length);
    bool isReadOnly() const { return m_model.read_only(); }
    void setReadOnly(bool read_only) { m_model.set_read_only(read_only); }
    // While off, changes do not repaint; the parent switches it off while it replaces the text
    // and the selection, then calls redraw().
    void setRedrawEnabled(bool enabled) { m_redraw = enabled; }
    void redraw();
    void setScoreFont(const QFont& font);
    void setColors(const ScoreEditColors& colors);
    // Settings section "view", key "ton_circle".
    void setTonCircleShown(bool shown);
    // Applies a key meant for the control without delivering it as an event, so nothing is
    // passed on to the parent; true when the control used it.
    bool takeKey(const QKeyEvent& event) { return handle_key(event); }

Q_SIGNALS:
    // Shift, Ctrl or Alt went down.
    void modifierKeyPressed();
    // Left was pressed with the caret at the start and nothing selected.
    void leftEdge();
    // Right was pressed with the caret at the end and nothing selected.
    void rightEdge();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool handle_key(const QKeyEvent& event);
    bool handle_ctrl_key(int key, bool shift);
    bool type_text(const QString& text);
    void copy_to_clipboard();
    void cut_to_clipboard();
    void paste_from_clipboard();
    void apply(EditOutcome outcome);
    void refresh();
    void update_layout();
    void update_caret_rect();
    std::size_t boundary_at(int x) const;
    void restart_caret_blink();
    void blink_caret();

    ScoreTextModel m_model;
    ScoreEditColors m_colors;
    QFont m_font;
    bool m_ton_circle_shown = true;
    bool m_redraw = true;
    bool m_dragging = false;
    bool m_caret_visible = false;
    QTimer m_caret_timer;

    // Geometry of the shown text, recomputed whenever the text, the caret, the font or the size
    // changes.
    std::vector<int> m_prefix_widths; // m_prefix_widths[i]: width of the first i characters
    int m_text_left = 0;
    int m_baseline = 0;
    int m_boundary_origin = 0; // x of the caret before the first character
    bool m_circled = false;
    QRect m_text_band;
    QRect m_caret_rect;
};

} // namespace dvk
