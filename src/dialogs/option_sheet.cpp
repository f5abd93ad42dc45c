#include "dialogs/option_sheet.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/option_page.h"
#include "platform/dialog_placement.h"
#include "platform/dialog_script.h"

#include <QDialogButtonBox>
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

void OptionSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_owner(this);
}

} // namespace dvk
