#include "dialogs/career_file_choices.h"

#include "platform/dialog_script.h"
#include "platform/file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace dvk {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("dvk::CareerFileChoices", text);
}

QString documents_folder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

QString CareerFileChoices::import_folder(QWidget* owner) {
    const QString title =
        translated(QT_TRANSLATE_NOOP("dvk::CareerFileChoices", "Import a Folder of CSV Files"));
    if (const auto scripted = DialogScript::take_answer(QStringLiteral("ImportFolderDialog"),
                                                        {{QStringLiteral("title"), title}})) {
        return scripted->toString();
    }
    QFileDialog dialog(owner, title, documents_folder());
    dialog.setObjectName(QStringLiteral("ImportFolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QStringList CareerFileChoices::import_files(QWidget* owner) {
    const QString title =
        translated(QT_TRANSLATE_NOOP("dvk::CareerFileChoices", "Import CSV Files"));
    if (const auto scripted = DialogScript::take_answer(QStringLiteral("ImportFilesDialog"),
                                                        {{QStringLiteral("title"), title}})) {
        return scripted->toStringList();
    }
    QFileDialog dialog(owner, title, documents_folder(),
                       translated(QT_TRANSLATE_NOOP("dvk::CareerFileChoices", "CSV (*.csv)")));
    dialog.setObjectName(QStringLiteral("ImportFilesDialog"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles();
}

QString CareerFileChoices::export_file(QWidget* owner, const QString& proposed_name, bool json) {
    SaveFileRequest request;
    request.title = translated(QT_TRANSLATE_NOOP("dvk::CareerFileChoices", "Export"));
    request.folder = documents_folder();
    request.proposed_name = proposed_name;
    request.filter = json ? translated(QT_TRANSLATE_NOOP("dvk::CareerFileChoices", "JSON (*.json)"))
                          : translated(QT_TRANSLATE_NOOP("dvk::CareerFileChoices", "CSV (*.csv)"));
    request.default_suffix = json ? QStringLiteral("json") : QStringLiteral("csv");
    return FileDialogs::save_file_name(owner, request);
}

} // namespace dvk
