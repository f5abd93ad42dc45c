#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>
#include <string>

class QWidget;

namespace dvk {

// The command "dvk Online": opens the page of the settings, or the user's guide when none is
// set. Whatever stands in the way is told in an error box; nothing fails silently.
class OnlinePage {
    Q_DECLARE_TR_FUNCTIONS(OnlinePage)

public:
    // The address to open for the setting `configured` of a program in `program_folder`, or an
    // empty address with the reason in `problem`.
    static QUrl address(const std::string& configured, const QString& program_folder,
                        QString& problem);

    // Opens the page; false when there was nothing to open or the desktop could not open it.
    static bool open(QWidget* owner, const std::string& configured, const QString& program_folder);
};

} // namespace dvk
