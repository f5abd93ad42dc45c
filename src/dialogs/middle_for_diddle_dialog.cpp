#include "dialogs/middle_for_diddle_dialog.h"

#include "platform/dialog_script.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>

namespace dvk {
namespace {

// Names are up to 255 bytes long; longer ones are cut short on the button, which keeps the
// dialog on screen. The full name is the button's tooltip.
constexpr int longest_name_width = 200;

// A name as shown on a button: shortened when long, and an ampersand in it is no mnemonic.
QString button_name(const QString& name) {
    const QFontMetrics metrics(QApplication::font("QPushButton"));
    QString text = metrics.elidedText(name, Qt::ElideRight, longest_name_width);
    return text.replace(u'&', QLatin1String("&&"));
}

} // namespace

MiddleForDiddleDialog::MiddleForDiddleDialog(const QString& player1, const QString& player2,
                                             QWidget* owner)
    : ButtonChoiceDialog(
          owner, tr("Middle for Diddle"), tr("Please select winner player."),
          {tr("%1 (&1)").arg(button_name(player1)), tr("%1 (&2)").arg(button_name(player2))}) {
    setObjectName(QStringLiteral("MiddleForDiddleDialog"));
    choice_button(0)->setToolTip(player1);
    choice_button(1)->setToolTip(player2);
}

int MiddleForDiddleDialog::ask(QWidget* owner, const QString& player1, const QString& player2) {
    MiddleForDiddleDialog dialog(player1, player2, owner);
    const QVariantMap arguments{
        {QStringLiteral("player1"), player1},
        {QStringLiteral("player2"), player2},
    };
    if (const auto scripted = DialogScript::take_answer(dialog.objectName(), arguments)) {
        return dialog.choose(scripted->isValid() ? scripted->toInt() : -1) ? dialog.result() - 1
                                                                           : -1;
    }
    return dialog.exec() - 1;
}

} // namespace dvk
