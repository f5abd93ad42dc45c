#include "platform/system_services.h"

#include <QApplication>

namespace dvk {
namespace {

QString& program_folder_override() {
    static QString folder;
    return folder;
}

} // namespace

void beep() {
    QApplication::beep();
}

QString program_folder() {
    const QString& folder = program_folder_override();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void override_program_folder(const QString& folder) {
    program_folder_override() = folder;
}

bool is_japanese_locale(const QLocale& locale) {
    return locale.language() == QLocale::Japanese;
}

} // namespace dvk
