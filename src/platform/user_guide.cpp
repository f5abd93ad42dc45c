#include "platform/user_guide.h"

#include "platform/system_services.h"

#include <QDir>
#include <QFileInfo>

#ifndef DVK_GUIDE_FROM_PROGRAM
#define DVK_GUIDE_FROM_PROGRAM "../share/dvk/guide"
#endif

namespace dvk {

QStringList user_guide_folders(const QString& program_folder) {
    const QDir program(program_folder);
    return {QDir::cleanPath(program.filePath(QStringLiteral(DVK_GUIDE_FROM_PROGRAM))),
            program.filePath(QStringLiteral("guide"))};
}

QString user_guide_file(const QString& program_folder, const QLocale& locale) {
    QStringList languages;
    if (is_japanese_locale(locale)) {
        languages.append(QStringLiteral("ja"));
    }
    languages.append(QStringLiteral("en"));
    const QStringList folders = user_guide_folders(program_folder);
    for (const QString& language : languages) {
        for (const QString& folder : folders) {
            const QFileInfo page(QDir(folder).filePath(language + QStringLiteral("/index.html")));
            if (page.isFile()) {
                return page.absoluteFilePath();
            }
        }
    }
    return {};
}

} // namespace dvk
