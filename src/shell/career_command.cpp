#include "shell/career_command.h"

#include "dialogs/career_statistics_dialog.h"
#include "platform/message_boxes.h"
#include "shell/main_window.h"

#include <QCoreApplication>

namespace dvk {

void open_career_statistics(MainWindow& window) {
    const std::optional<ArchiveLocation> location = window.archiveLocation();
    if (!location) {
        MessageBoxes::information(
            &window, QCoreApplication::translate("dvk::CareerCommand",
                                                 "dvk keeps no match archive in this run."));
        return;
    }
    CareerStatisticsDialog::open(&window, *location, window.options());
}

} // namespace dvk
