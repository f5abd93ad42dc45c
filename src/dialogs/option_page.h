#pragma once

#include <QWidget>

namespace dvk {

struct AppOptions;

// One page of the Option dialog. A page takes what it shows from the options when it is
// made and edits its own copy; nothing reaches the program's options until the sheet is
// confirmed, when apply() writes the page's values into them. Cancelling changes nothing.
// The page's window title is its tab's text.
class OptionPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual void apply(AppOptions& options) const = 0;
};

} // namespace dvk
