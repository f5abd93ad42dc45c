#pragma once

#include <QString>

class QWidget;

namespace dvk {

// What a save-file dialog offers.
struct SaveFileRequest {
    QString title;
    QString folder;         // where the dialog opens
    QString proposed_name;  // the file name it proposes
    QString filter;         // "CSV (*.csv)"
    QString default_suffix; // added when the user types a name without one
};

// What an open-file dialog offers.
struct OpenFileRequest {
    QString title;
    QString folder; // where the dialog opens; empty for the current folder
    QString filter; // "Plug-in (*.dvk *.so)"
};

// The system's file dialogs. Under a DialogScript they are answered by the script instead
// (the answer is the chosen path; none counts as Cancel) and recorded.
class FileDialogs {
public:
    static constexpr const char* save_dialog_name = "SaveFileDialog";
    static constexpr const char* open_dialog_name = "OpenFileDialog";

    // The path the user chose, or an empty text for Cancel. An existing file is replaced only
    // after the user confirmed it.
    static QString save_file_name(QWidget* owner, const SaveFileRequest& request);
    // The existing file the user chose, or an empty text for Cancel.
    static QString open_file_name(QWidget* owner, const OpenFileRequest& request);
};

} // namespace dvk
