#pragma once

#include "com/arrange_table.h"
#include "settings/app_options.h"

#include <QDialog>

#include <optional>

class QAction;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace dvk {

class NumberBox;
class RememberedRect;
class WayTree;

// "Dart Out Shots": the ways to finish a score from the check-out table as a tree. The top
// level lists the ways for the score; under each three-dart way lie the ways for what is left
// after its first dart. Any score from 0 to 999 can be typed; a right click on a line offers
// that line's score.
class DartOutShotsDialog : public QDialog {
    Q_OBJECT

public:
    DartOutShotsDialog(int score, const ArrangeTable& table, WindowRect& stored_rect,
                       QWidget* owner = nullptr);

    // Opens the dialog modally on `score` (or records the call under a DialogScript).
    static void open(QWidget* owner, int score, const ArrangeTable& table, WindowRect& stored_rect);

    NumberBox* numberBox() const { return m_number; }
    QTreeWidget* tree() const { return m_tree; }
    QMenu* scoreMenu() const { return m_menu; }
    // The score the tree is built for.
    int score() const;
    // The score a pop-up opened at `position` (in the tree's viewport) would offer: that of the
    // line under the pointer, or of the selected line when the keyboard asked or no line is
    // there.
    std::optional<int> menuScore(const QPoint& position, bool by_mouse) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuild();
    void addChildren(const WayTree& ways, int way, QTreeWidgetItem* parent,
                     QTreeWidgetItem*& first_added, int first_way);
    void openScoreMenu(const QPoint& global_position, int score);

    const ArrangeTable& m_table;
    NumberBox* m_number = nullptr;
    QTreeWidget* m_tree = nullptr;
    QPushButton* m_close = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_menu_score = nullptr;
    RememberedRect* m_rect = nullptr;
};

} // namespace dvk
