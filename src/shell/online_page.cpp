#include "shell/online_page.h"

#include "platform/message_boxes.h"
#include "platform/user_guide.h"
#include "platform/web_page.h"

#include <QFileInfo>
#include <QPointer>
#include <QWidget>

namespace dvk {

QUrl OnlinePage::address(const std::string& configured, const QString& program_folder,
                         QString& problem) {
    if (configured.empty()) {
        const QString guide = user_guide_file(program_folder);
        if (guide.isEmpty()) {
            problem = tr("The user's guide is not installed.");
            return {};
        }
        return QUrl::fromLocalFile(guide);
    }
    const QString page = QString::fromStdString(configured);
    const QUrl address = page_address(page);
    if (address.isEmpty()) {
        problem = tr("'%1' is neither a web address nor a file.").arg(page);
        return {};
    }
    if (address.isLocalFile() && !QFileInfo::exists(address.toLocalFile())) {
        problem = tr("The page '%1' does not exist.").arg(address.toLocalFile());
        return {};
    }
    return address;
}

bool OnlinePage::open(QWidget* owner, const std::string& configured,
                      const QString& program_folder) {
    QString problem;
    const QUrl page = address(configured, program_folder, problem);
    if (page.isEmpty()) {
        MessageBoxes::error(owner, problem);
        return false;
    }
    return show(owner, page);
}

bool OnlinePage::open_guide(QWidget* owner, const QString& program_folder) {
    return open(owner, {}, program_folder);
}

bool OnlinePage::show(QWidget* owner, const QUrl& page) {
    const QString shown = page.toDisplayString(QUrl::PreferLocalFile);
    QObject* context =
        owner != nullptr ? static_cast<QObject*>(owner) : QCoreApplication::instance();
    const QPointer<QWidget> box_owner(owner);
    const bool started = open_web_page(page, context, [box_owner, shown](int exit_code) {
        MessageBoxes::error(box_owner, tr("No program could open '%1': the desktop's opener "
                                          "ended with code %2. Install a web browser.")
                                           .arg(shown)
                                           .arg(exit_code));
    });
    if (!started) {
        MessageBoxes::error(owner, tr("No program was found to open '%1'.").arg(shown));
    }
    return started;
}

} // namespace dvk
