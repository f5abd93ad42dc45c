#pragma once

#include <QDialog>

class QTabWidget;

namespace dvk {

struct AppOptions;
class OptionPage;

// The Option dialog: a property sheet of option pages with "OK" and "Cancel", opening on its
// first page. Pages come in the order they are added.
class OptionSheet : public QDialog {
    Q_OBJECT

public:
    // `caption` is the title, the command's name.
    OptionSheet(const QString& caption, QWidget* owner);

    // Adds `page` as the last tab; the sheet takes it over. Ctrl+Tab and Ctrl+PgDn turn to the
    // next page, Ctrl+Shift+Tab and Ctrl+PgUp to the previous one, from any of its controls.
    void addPage(OptionPage* page);
    int pageCount() const;
    OptionPage* page(int index) const;
    QTabWidget* tabs() const { return m_tabs; }

    // Runs the sheet modally (or as the active DialogScript answers "OptionSheet"). On "OK"
    // every page writes its values into `options` and the result is true; otherwise `options`
    // is left exactly as it was.
    bool run(AppOptions& options);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Turns to the next page (+1) or the previous one (-1) for Ctrl+Tab, Ctrl+Shift+Tab,
    // Ctrl+PgDn and Ctrl+PgUp; false for any other key.
    bool turnPage(const QKeyEvent& key);

    QTabWidget* m_tabs = nullptr;
};

} // namespace dvk
