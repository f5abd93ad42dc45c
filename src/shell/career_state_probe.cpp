#include "shell/career_state_probe.h"

#include "dialogs/career_statistics_dialog.h"

#include <QComboBox>
#include <QTabWidget>

namespace dvk {

namespace {

QString items_of(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) {
        items << combo.itemText(i);
    }
    return items.join(u'|');
}

} // namespace

void describe_career_dialog(const QWidget* widget, QStringList& lines) {
    const auto* dialog = qobject_cast<const CareerStatisticsDialog*>(widget);
    if (dialog == nullptr) {
        return;
    }
    for (const char* name : {"player", "period", "opponent", "start_score", "opponent_kind"}) {
        const auto* combo = dialog->findChild<QComboBox*>(QString::fromLatin1(name));
        lines << QStringLiteral("career.%1=%2").arg(QLatin1String(name), combo->currentText());
        lines << QStringLiteral("career.%1.items=%2").arg(QLatin1String(name), items_of(*combo));
    }
    lines << QStringLiteral("career.page=") +
                 dialog->findChild<QTabWidget*>(QStringLiteral("pages"))
                     ->currentWidget()
                     ->objectName();
    lines << QStringLiteral("career.figures=") + dialog->figureTexts().join(u'|');
    lines << QStringLiteral("career.head_to_head=") + dialog->headToHeadTexts().join(u';');
    lines << QStringLiteral("career.charts=") + dialog->chartSummary().join(u';');
    lines << QStringLiteral("career.status=") +
                 dialog->statusText().replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QRect r = dialog->frameGeometry();
    lines << QStringLiteral("dialog.frame=%1,%2,%3,%4")
                 .arg(r.x())
                 .arg(r.y())
                 .arg(r.width())
                 .arg(r.height());
}

} // namespace dvk
