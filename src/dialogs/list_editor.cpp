#include "dialogs/list_editor.h"

#include "dialogs/arrow_button.h"
#include "platform/message_boxes.h"

#include <algorithm>

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dvk {

namespace {

// Keeps a right-aligned text clear of the cell's right edge, and so of a left-aligned text in
// the next column; the cell's background and selection still fill the whole cell.
class CellMarginDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int margin = 6;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        if (!cell.displayAlignment.testFlag(Qt::AlignRight)) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, widget);
        QStyleOptionViewItem text = option;
        text.rect.adjust(0, 0, -margin, 0);
        QStyledItemDelegate::paint(painter, text, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(margin, 0);
    }
};

} // namespace

ListEditor::ListEditor(const QString& label, const QList<Column>& columns, QWidget* parent)
    : QWidget(parent) {
    m_label = new QLabel(label, this);
    if (label.isEmpty()) {
        m_label->hide();
    }
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAccessibleName(QString(label).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    m_label->setBuddy(m_list);
    QStringList headings;
    for (const Column& column : columns) {
        headings << column.heading;
        m_alignments.append(column.alignment | Qt::AlignVCenter);
        m_widths.append(column.width);
        m_fills.append(column.fills);
        m_kept.append(column.keeps_width);
    }
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->setItemDelegate(new CellMarginDelegate(m_list));
    m_list->setHeaderLabels(headings);
    m_list->header()->setStretchLastSection(false);
    for (int i = 0; i < columns.size(); ++i) {
        m_list->headerItem()->setTextAlignment(i, m_alignments[i]);
        if (m_fills[i]) {
            m_list->header()->setSectionResizeMode(i, QHeaderView::Stretch);
        }
    }
    fitColumns();
    m_list->installEventFilter(this);

    m_up = new ArrowButton(Qt::UpArrow, tr("&up"), this);
    m_up->setObjectName(QStringLiteral("up"));
    m_down = new ArrowButton(Qt::DownArrow, tr("do&wn"), this);
    m_down->setObjectName(QStringLiteral("down"));
    m_add = new QPushButton(tr("&Add..."), this);
    m_add->setObjectName(QStringLiteral("add"));
    m_edit = new QPushButton(tr("&Edit..."), this);
    m_edit->setObjectName(QStringLiteral("edit"));
    m_delete = new QPushButton(tr("&Delete"), this);
    m_delete->setObjectName(QStringLiteral("delete"));
    for (QPushButton* button : {m_add, m_edit, m_delete}) {
        button->setAutoDefault(false);
    }

    auto* arrows = new QVBoxLayout;
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    arrows->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list, 1);
    middle->addLayout(arrows);
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    m_buttons->addWidget(m_add);
    m_buttons->addWidget(m_edit);
    m_buttons->addWidget(m_delete);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addLayout(middle, 1);
    layout->addLayout(m_buttons);

    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this] { Q_EMIT currentRowChanged(currentRow()); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this,
            [this] { emitForCurrent(&ListEditor::editRequested); });
    connect(m_up, &QAbstractButton::clicked, this,
            [this] { emitForCurrent(&ListEditor::upRequested); });
    connect(m_down, &QAbstractButton::clicked, this,
            [this] { emitForCurrent(&ListEditor::downRequested); });
    connect(m_add, &QPushButton::clicked, this, &ListEditor::addRequested);
    connect(m_edit, &QPushButton::clicked, this,
            [this] { emitForCurrent(&ListEditor::editRequested); });
    connect(m_delete, &QPushButton::clicked, this,
            [this] { emitForCurrent(&ListEditor::deleteRequested); });
}

void ListEditor::setListFont(const QFont& font) {
    m_list->setFont(font);
    fitColumns();
}

int ListEditor::columnPadding() const {
    return 2 * m_list->header()->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
}

// Each column keeps its width unless its heading needs more in the list's font.
void ListEditor::fitColumns() {
    const QFontMetrics metrics(m_list->header()->font());
    int total = 0;
    for (int i = 0; i < m_widths.size(); ++i) {
        const int width =
            std::max(m_widths[i],
                     metrics.horizontalAdvance(m_list->headerItem()->text(i)) + columnPadding());
        m_list->setColumnWidth(i, width);
        total += width;
    }
    m_list->setMinimumWidth(total + m_list->frameWidth() * 2 +
                            m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

// A column that does not fill grows to show a text whole; it never shrinks.
void ListEditor::widenColumns(const QStringList& texts) {
    const QFontMetrics metrics(m_list->font());
    for (int i = 0; i < texts.size() && i < m_list->columnCount(); ++i) {
        if (m_fills[i] || m_kept[i]) {
            continue;
        }
        const int margin =
            m_alignments[i].testFlag(Qt::AlignRight) ? CellMarginDelegate::margin : 0;
        const int needed = metrics.horizontalAdvance(texts[i]) + columnPadding() + margin;
        if (needed > m_list->columnWidth(i)) {
            m_list->setColumnWidth(i, needed);
        }
    }
}

void ListEditor::emitForCurrent(void (ListEditor::*signal)(int)) {
    const int row = currentRow();
    if (row >= 0) {
        Q_EMIT(this->*signal)(row);
    }
}

int ListEditor::rowCount() const {
    return m_list->topLevelItemCount();
}

int ListEditor::currentRow() const {
    QTreeWidgetItem* item = m_list->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return -1;
    }
    return m_list->indexOfTopLevelItem(item);
}

void ListEditor::appendRow(const QStringList& texts) {
    auto* item = new QTreeWidgetItem(m_list);
    for (int i = 0; i < m_list->columnCount(); ++i) {
        item->setTextAlignment(i, m_alignments.value(i, Qt::AlignLeft | Qt::AlignVCenter));
    }
    setRowTexts(rowCount() - 1, texts);
}

void ListEditor::setRowTexts(int row, const QStringList& texts) {
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (item == nullptr) {
        return;
    }
    for (int i = 0; i < texts.size() && i < m_list->columnCount(); ++i) {
        item->setText(i, texts[i]);
        // A column that keeps its width may cut a text short: the tip shows it whole.
        if (m_kept.value(i)) {
            item->setToolTip(i, texts[i]);
        }
    }
    widenColumns(texts);
}

void ListEditor::setRowGreyed(int row, bool greyed) {
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (item == nullptr) {
        return;
    }
    const QBrush brush = greyed ? palette().brush(QPalette::Disabled, QPalette::Text) : QBrush();
    for (int i = 0; i < m_list->columnCount(); ++i) {
        item->setForeground(i, brush);
    }
}

void ListEditor::appendAndSelect(const QStringList& texts) {
    appendRow(texts);
    selectRow(rowCount() - 1);
}

bool ListEditor::confirmDelete() {
    return MessageBoxes::question(this, tr("Are you sure you want to delete this item?"));
}

void ListEditor::removeRow(int row) {
    delete m_list->takeTopLevelItem(row);
    selectRow(std::min(row, rowCount() - 1));
}

void ListEditor::moveRow(int from, int to) {
    QTreeWidgetItem* item = m_list->takeTopLevelItem(from);
    if (item == nullptr) {
        return;
    }
    m_list->insertTopLevelItem(to, item);
    selectRow(to);
}

void ListEditor::selectRow(int row) {
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (item == nullptr) {
        m_list->setCurrentItem(nullptr);
        Q_EMIT currentRowChanged(-1);
        return;
    }
    m_list->setCurrentItem(item);
    item->setSelected(true);
    m_list->scrollToItem(item);
}

void ListEditor::setRowButtons(bool up, bool down, bool edit, bool remove) {
    m_up->setEnabled(up);
    m_down->setEnabled(down);
    m_edit->setEnabled(edit);
    m_delete->setEnabled(remove);
}

bool ListEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        emitForCurrent(&ListEditor::deleteRequested);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace dvk
