#include "shell/records_state_probe.h"

#include "dialogs/dart_out_shots_dialog.h"
#include "dialogs/game_history_dialog.h"
#include "dialogs/number_box.h"
#include "dialogs/score_list_dialog.h"
#include "screen/score_list_wnd.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace dvk {

namespace {

QString rect_text(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

void describe_history(const GameHistoryDialog& dialog, QStringList& lines) {
    lines << QStringLiteral("history.lines=") + dialog.lineTexts().join(u';');
    lines << QStringLiteral("history.current=%1").arg(dialog.list()->currentRow());
    QStringList enabled;
    for (const char* name : {"view", "save_as", "clear", "close"}) {
        if (dialog.button(QString::fromLatin1(name))->isEnabled()) {
            enabled << QString::fromLatin1(name);
        }
    }
    lines << QStringLiteral("history.enabled=") + enabled.join(u',');
}

void describe_score_list(const ScoreListDialog& dialog, QStringList& lines) {
    lines << QStringLiteral("score_list.choice=") + dialog.choice()->currentText();
    lines << QStringLiteral("score_list.shown_leg=%1").arg(dialog.sheet().shown_leg());
    lines << QStringLiteral("score_list.darts=%1|%2")
                 .arg(dialog.dartsText(0)->text(), dialog.dartsText(1)->text());
    // The first thrower the grid's heading was last drawn for ("*" on his "To Go").
    lines << QStringLiteral("score_list.heading_first=%1")
                 .arg(dialog.scoreList()->templateFirstPlayer());
}

void describe_ways(const DartOutShotsDialog& dialog, QStringList& lines) {
    lines << QStringLiteral("ways.score=") + dialog.numberBox()->text();
    QStringList top;
    const QTreeWidgetItem* root = dialog.tree()->invisibleRootItem();
    for (int i = 0; i < root->childCount(); ++i) {
        top << root->child(i)->text(0);
    }
    lines << QStringLiteral("ways.top=") + top.join(u'|');
}

} // namespace

void describe_records_dialog(const QWidget* dialog, QStringList& lines) {
    if (const auto* history = qobject_cast<const GameHistoryDialog*>(dialog)) {
        describe_history(*history, lines);
    } else if (const auto* score_list = qobject_cast<const ScoreListDialog*>(dialog)) {
        describe_score_list(*score_list, lines);
    } else if (const auto* ways = qobject_cast<const DartOutShotsDialog*>(dialog)) {
        describe_ways(*ways, lines);
    } else {
        return;
    }
    lines << QStringLiteral("dialog.frame=") + rect_text(dialog->frameGeometry());
}

} // namespace dvk
