#include "dialogs/career_name_questions.h"

#include "dialogs/dialog_buttons.h"
#include "platform/dialog_script.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dvk {

namespace {

// The reasons the archive gives for refusing a new name, for the translation.
constexpr const char* refusal_reasons[] = {
    QT_TRANSLATE_NOOP("dvk::CareerNameQuestions", "The name is empty."),
    QT_TRANSLATE_NOOP("dvk::CareerNameQuestions", "The name is longer than 63 bytes."),
    QT_TRANSLATE_NOOP("dvk::CareerNameQuestions", "There is no player of that name."),
    QT_TRANSLATE_NOOP("dvk::CareerNameQuestions", "The player has that name already."),
    QT_TRANSLATE_NOOP("dvk::CareerNameQuestions", "A computer player keeps the name of his level."),
    QT_TRANSLATE_NOOP("dvk::CareerNameQuestions", "That name belongs to a computer level."),
};

// Runs a question dialog; false for Cancel.
bool run(QDialog& dialog, const QVariantMap& arguments) {
    const std::optional<bool> scripted = DialogScript::run_scripted(dialog, arguments);
    return scripted ? *scripted : dialog.exec() == QDialog::Accepted;
}

} // namespace

QString CareerNameQuestions::new_name(QWidget* owner, const QString& player) {
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("RenamePlayerDialog"));
    dialog.setWindowTitle(tr("Rename Player"));
    auto* edit = new QLineEdit(player, &dialog);
    edit->setObjectName(QStringLiteral("name"));
    edit->selectAll();
    auto* form = new QFormLayout;
    form->addRow(tr("&New name of %1:").arg(player), edit);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(ok_cancel_buttons(&dialog));
    dialog.setMinimumWidth(360);
    if (!run(dialog, {{QStringLiteral("player"), player}})) {
        return {};
    }
    return edit->text();
}

QString CareerNameQuestions::merge_target(QWidget* owner, const QString& player,
                                          const QStringList& others) {
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("MergePlayerDialog"));
    dialog.setWindowTitle(tr("Merge Players"));
    auto* choice = new QComboBox(&dialog);
    choice->setObjectName(QStringLiteral("into"));
    choice->addItems(others);
    auto* text = new QLabel(
        tr("The games of %1 will count for the player chosen here, and the name %1 will be "
           "one of his names.")
            .arg(player),
        &dialog);
    text->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("&Merge into:"), choice);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(ok_cancel_buttons(&dialog));
    dialog.setMinimumWidth(360);
    if (others.isEmpty() ||
        !run(dialog, {{QStringLiteral("player"), player}, {QStringLiteral("others"), others}})) {
        return {};
    }
    return choice->currentText();
}

QString CareerNameQuestions::reason_text(const std::string& reason) {
    for (const char* known : refusal_reasons) {
        if (reason == known) {
            return tr(known);
        }
    }
    return QString::fromStdString(reason);
}

} // namespace dvk
