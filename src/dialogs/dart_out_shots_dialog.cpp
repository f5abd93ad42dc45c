#include "dialogs/dart_out_shots_dialog.h"

#include "com/way_tree.h"
#include "dialogs/number_box.h"
#include "dialogs/remembered_rect.h"
#include "layout/side_window_geometry.h"
#include "platform/dialog_script.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dvk {

namespace {

constexpr int score_role = Qt::UserRole;
constexpr int entry_role = Qt::UserRole + 1;
constexpr int font_points = 12;
constexpr QSize designed_size(300, 420);

// The face the way texts line up in; the system's fixed font where that face is missing.
QFont fixed_font(const QString& face, int dpi) {
    QFont font(face);
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(point_to_pixels(font_points, dpi));
    if (!QFontInfo(font).fixedPitch()) {
        const int pixels = font.pixelSize();
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPixelSize(pixels);
    }
    return font;
}

} // namespace

DartOutShotsDialog::DartOutShotsDialog(int score, const ArrangeTable& table,
                                       WindowRect& stored_rect, QWidget* owner)
    : QDialog(owner), m_table(table) {
    setObjectName(QStringLiteral("DartOutShotsDialog"));
    setWindowTitle(tr("Dart Out Shots"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);

    const QFont font = fixed_font(tr("Courier New"), logicalDpiY());
    m_number = new NumberBox(1, 180, 3, this);
    m_number->setObjectName(QStringLiteral("score"));
    m_number->setAccessibleName(tr("Score"));
    m_number->setFont(font);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("ways"));
    m_tree->setAccessibleName(tr("Ways to finish"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setFont(font);
    m_tree->setIndentation(6 * QFontMetrics(font).averageCharWidth());
    // The mouse asks for the pop-up on the viewport, the keyboard on the tree itself.
    m_tree->installEventFilter(this);
    m_tree->viewport()->installEventFilter(this);
    m_close = new QPushButton(tr("&Close"), this);
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("score_menu"));
    m_menu_score = m_menu->addAction(QString());
    connect(m_menu_score, &QAction::triggered, this,
            [this] { m_number->set_number(m_menu_score->data().toInt()); });

    auto* top = new QHBoxLayout;
    top->addWidget(m_number);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tree, 1);
    layout->addLayout(bottom);
    setMinimumSize(200, 200);
    resize(designed_size);

    connect(m_number, &NumberBox::textChanged, this, &DartOutShotsDialog::rebuild);
    m_number->set_number(score);
    m_number->setFocus();
    m_number->selectAll();
    m_rect = new RememberedRect(this, stored_rect);
    m_rect->restore();
}

void DartOutShotsDialog::open(QWidget* owner, int score, const ArrangeTable& table,
                              WindowRect& stored_rect) {
    if (DialogScript::take_answer(QStringLiteral("DartOutShotsDialog"),
                                  {{QStringLiteral("score"), score}})) {
        return;
    }
    DartOutShotsDialog dialog(score, table, stored_rect, owner);
    dialog.exec();
}

int DartOutShotsDialog::score() const {
    return m_number->number();
}

void DartOutShotsDialog::rebuild() {
    WayTree ways;
    const int first_way = build_way_tree(ways, m_table, WayTree::root, score(), 0);
    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    QTreeWidgetItem* first_added = nullptr;
    addChildren(ways, WayTree::root, m_tree->invisibleRootItem(), first_added, first_way);
    if (first_added != nullptr) {
        m_tree->scrollToItem(first_added);
    }
    m_tree->setUpdatesEnabled(true);
}

void DartOutShotsDialog::addChildren(const WayTree& ways, int way, QTreeWidgetItem* parent,
                                     QTreeWidgetItem*& first_added, int first_way) {
    for (const int child : ways.children(way)) {
        const WayItem& item = ways.item(child);
        auto* line = new QTreeWidgetItem(parent, {QString::fromStdString(item.text)});
        line->setData(0, score_role, item.score);
        line->setData(0, entry_role, static_cast<qulonglong>(item.entry));
        if (child == first_way) {
            first_added = line;
        }
        addChildren(ways, child, line, first_added, first_way);
        line->setExpanded(item.expanded);
    }
}

std::optional<int> DartOutShotsDialog::menuScore(const QPoint& position, bool by_mouse) const {
    const QTreeWidgetItem* line = by_mouse ? m_tree->itemAt(position) : nullptr;
    if (line == nullptr) {
        line = m_tree->currentItem();
    }
    if (line == nullptr) {
        return std::nullopt;
    }
    return line->data(0, score_role).toInt();
}

bool DartOutShotsDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_tree || watched == m_tree->viewport()) &&
        event->type() == QEvent::ContextMenu) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        const bool by_mouse = request->reason() == QContextMenuEvent::Mouse;
        if (const std::optional<int> picked = menuScore(request->pos(), by_mouse)) {
            openScoreMenu(request->globalPos(), *picked);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DartOutShotsDialog::openScoreMenu(const QPoint& global_position, int score) {
    m_menu_score->setText(QStringLiteral("&%1").arg(score));
    m_menu_score->setData(score);
    m_menu->popup(global_position);
    m_menu->setActiveAction(m_menu_score);
}

} // namespace dvk
