#include "dialogs/option_sheet.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/option_page.h"
#include "platform/dialog_placement.h"
#include "platform/dialog_script.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace dvk {

OptionSheet::OptionSheet(const QString& caption, QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("OptionSheet"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pages"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(ok_cancel_buttons(this));
}

void OptionSheet::addPage(OptionPage* page) {
    m_tabs->addTab(page, page->windowTitle());
    // The page keys turn the page wherever the focus is. A drop-down list would take Ctrl+Tab
    // and Ctrl+PgDn for itself (to search and to step through its entries), a list Ctrl+PgDn
    // (to move a page down): the sheet looks at every key of the page's controls first.
    for (QWidget* control : page->findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }
}

int OptionSheet::pageCount() const {
    return m_tabs->count();
}

OptionPage* OptionSheet::page(int index) const {
    return qobject_cast<OptionPage*>(m_tabs->widget(index));
}

bool OptionSheet::run(AppOptions& options) {
    m_tabs->setCurrentIndex(0);
    QVariantMap arguments;
    for (int i = 0; i < pageCount(); ++i) {
        arguments.insert(QStringLiteral("page%1").arg(i), page(i)->windowTitle());
    }
    const std::optional<bool> scripted = DialogScript::run_scripted(*this, arguments);
    const bool confirmed = scripted ? *scripted : exec() == QDialog::Accepted;
    if (!confirmed) {
        return false;
    }
    for (int i = 0; i < pageCount(); ++i) {
        page(i)->apply(options);
    }
    return true;
}

bool OptionSheet::turnPage(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers =
        key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (modifiers != Qt::ControlModifier || m_tabs->count() < 2) {
        return false;
    }
    int step = 0;
    switch (key.key()) {
    case Qt::Key_Tab:
        step = key.modifiers().testFlag(Qt::ShiftModifier) ? -1 : 1;
        break;
    case Qt::Key_Backtab:
        step = -1;
        break;
    case Qt::Key_PageDown:
        step = 1;
        break;
    case Qt::Key_PageUp:
        step = -1;
        break;
    default:
        return false;
    }
    const int count = m_tabs->count();
    int page = m_tabs->currentIndex();
    for (int tried = 0; tried < count; ++tried) {
        page = (page + step + count) % count;
        if (m_tabs->isTabEnabled(page)) {
            m_tabs->setCurrentIndex(page);
            break;
        }
    }
    return true;
}

void OptionSheet::keyPressEvent(QKeyEvent* event) {
    if (!turnPage(*event)) {
        QDialog::keyPressEvent(event);
    }
}

bool OptionSheet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && turnPage(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OptionSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_owner(this);
}

} // namespace dvk
