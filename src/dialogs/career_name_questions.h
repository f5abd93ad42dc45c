#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QWidget;

namespace dvk {

// The small questions of the career window about players' names. Each works under a
// DialogScript like the program's other dialogs ("RenamePlayerDialog", "MergePlayerDialog").
class CareerNameQuestions {
    Q_DECLARE_TR_FUNCTIONS(dvk::CareerNameQuestions)
public:
    // Asks for a player's new name, proposing the old one; empty for Cancel.
    static QString new_name(QWidget* owner, const QString& player);
    // Asks which of `others` the games of `player` are to count for; empty for Cancel.
    static QString merge_target(QWidget* owner, const QString& player, const QStringList& others);
    // The window's language for a reason the archive gives for refusing a name.
    static QString reason_text(const std::string& reason);
};

} // namespace dvk
