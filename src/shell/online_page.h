#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>
#include <string>

class QWidget;

namespace dvk {

// The commands "dvk Online", which opens the page of the settings or the user's guide when
// none is set, and "User's Guide". Whatever stands in the way is told in an error box, also
// when the desktop's opener gives up after it started; nothing fails silently.
class OnlinePage {
    Q_DECLARE_TR_FUNCTIONS(OnlinePage)

public:
    // The address to open for the setting `configured` of a program in `program_folder`, or an
    // empty address with the reason in `problem`.
    static QUrl address(const std::string& configured, const QString& program_folder,
                        QString& problem);

    // Opens the page; false when there was nothing to open or the desktop could not start
    // anything to open it.
    static bool open(QWidget* owner, const std::string& configured, const QString& program_folder);

    // Opens the user's guide in the language of the system.
    static bool open_guide(QWidget* owner, const QString& program_folder);

private:
    static bool show(QWidget* owner, const QUrl& page);
};

} // namespace dvk
