#include "platform/file_dialogs.h"

#include "platform/dialog_script.h"

#include <QDir>
#include <QFileDialog>
#include <QVariant>

namespace dvk {

QString FileDialogs::save_file_name(QWidget* owner, const SaveFileRequest& request) {
    const QVariantMap arguments{
        {QStringLiteral("title"), request.title},
        {QStringLiteral("folder"), request.folder},
        {QStringLiteral("proposed_name"), request.proposed_name},
        {QStringLiteral("filter"), request.filter},
        {QStringLiteral("default_suffix"), request.default_suffix},
    };
    if (const auto scripted =
            DialogScript::take_answer(QString::fromLatin1(save_dialog_name), arguments)) {
        return scripted->toString();
    }
    QFileDialog dialog(owner, request.title, request.folder, request.filter);
    dialog.setObjectName(QString::fromLatin1(save_dialog_name));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.default_suffix);
    dialog.selectFile(QDir(request.folder).filePath(request.proposed_name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString FileDialogs::open_file_name(QWidget* owner, const OpenFileRequest& request) {
    const QVariantMap arguments{
        {QStringLiteral("title"), request.title},
        {QStringLiteral("folder"), request.folder},
        {QStringLiteral("filter"), request.filter},
    };
    if (const auto scripted =
            DialogScript::take_answer(QString::fromLatin1(open_dialog_name), arguments)) {
        return scripted->toString();
    }
    QFileDialog dialog(owner, request.title, request.folder, request.filter);
    dialog.setObjectName(QString::fromLatin1(open_dialog_name));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace dvk
