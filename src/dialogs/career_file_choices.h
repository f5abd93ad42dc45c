#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace dvk {

// The system's file dialogs for the career window's import and export. Under a DialogScript
// the answers come from the script: "ImportFolderDialog" a folder, "ImportFilesDialog" a list
// of files, and the export's file through the save dialog of FileDialogs.
class CareerFileChoices {
public:
    static QString import_folder(QWidget* owner);
    static QStringList import_files(QWidget* owner);
    // Asks where to export, proposing `proposed_name`; empty for Cancel.
    static QString export_file(QWidget* owner, const QString& proposed_name, bool json);
};

} // namespace dvk
