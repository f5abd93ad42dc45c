#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QBoxLayout;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace dvk {

class ArrowButton;

// A list of rows with the arrow buttons "&up" and "do&wn" beside it and "&Add...", "&Edit..."
// and "&Delete" below it, as the key page and the schedule dialog show their tables. It only
// shows rows and reports what the user asks for; its owner decides, changes its own records
// and then the rows. A double click asks to edit a row, the Delete key to delete it.
class ListEditor : public QWidget {
    Q_OBJECT

public:
    struct Column {
        QString heading;
        int width = 100;
        Qt::Alignment alignment = Qt::AlignLeft;
        // A column that fills takes the width the others leave and elides its texts in the
        // middle; the others grow to show their texts whole.
        bool fills = false;
        // A column that keeps its width elides a longer text instead of growing, so that a long
        // name cannot push the columns after it out of view.
        bool keeps_width = false;
    };

    // An empty `label` shows none.
    ListEditor(const QString& label, const QList<Column>& columns, QWidget* parent);

    QTreeWidget* list() const { return m_list; }
    // The list's font; columns too narrow for their headings in it grow.
    void setListFont(const QFont& font);
    // The row of buttons below the list, for the owner to add its own.
    QBoxLayout* buttonRow() const { return m_buttons; }
    QPushButton* addButton() const { return m_add; }
    // "&Edit...", which an owner may give another text for what it does to a row.
    QPushButton* editButton() const { return m_edit; }

    int rowCount() const;
    // The selected row, -1 when none is.
    int currentRow() const;
    void appendRow(const QStringList& texts);
    // Appends a row and selects it.
    void appendAndSelect(const QStringList& texts);
    void setRowTexts(int row, const QStringList& texts);
    void setRowGreyed(int row, bool greyed);
    // Asks "Are you sure you want to delete this item?"; true for Yes.
    bool confirmDelete();
    // Removes a row and selects the one that takes its place, or the new last row.
    void removeRow(int row);
    // Moves a row with its texts to `to`, selecting it there.
    void moveRow(int from, int to);
    // Selects and focuses a row and scrolls it into view; the keyboard focus stays where it is.
    void selectRow(int row);
    // States of "&up", "do&wn", "&Edit..." and "&Delete".
    void setRowButtons(bool up, bool down, bool edit, bool remove);

Q_SIGNALS:
    void currentRowChanged(int row);
    void upRequested(int row);
    void downRequested(int row);
    void addRequested();
    void editRequested(int row);
    void deleteRequested(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void emitForCurrent(void (ListEditor::*signal)(int));
    void fitColumns();
    void widenColumns(const QStringList& texts);
    int columnPadding() const;

    QList<Qt::Alignment> m_alignments;
    QList<int> m_widths;
    QList<bool> m_fills;
    QList<bool> m_kept;
    QLabel* m_label = nullptr;
    QTreeWidget* m_list = nullptr;
    ArrowButton* m_up = nullptr;
    ArrowButton* m_down = nullptr;
    QBoxLayout* m_buttons = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
};

} // namespace dvk
