#include "caller_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace dvk::caller {
namespace {

const QString group = QStringLiteral("caller");

bool beside(const QDir& folder, const char* name) {
    return QFileInfo::exists(folder.filePath(QString::fromLatin1(name)));
}

// dvk's own choice between its two ways of keeping files; a plug-in sees the same command
// line, environment and program folder.
bool dvk_is_portable(const QString& program_folder) {
    if (QCoreApplication::arguments().indexOf(QStringLiteral("--portable"), 1) >= 1) {
        return true;
    }
    const QString chosen = qEnvironmentVariable("DVK_FOLDERS");
    if (chosen == QLatin1String("portable") || chosen == QLatin1String("installed")) {
        return chosen == QLatin1String("portable");
    }
    const QDir folder(program_folder);
    return (beside(folder, "dvk.ini") || beside(folder, "dvk.tmp") ||
            beside(folder, "CMakeCache.txt")) &&
           QFileInfo(program_folder).isWritable();
}

} // namespace

CallerSettings CallerSettings::load(const QString& path) {
    CallerSettings s;
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(group);
    s.enabled = file.value(QStringLiteral("enabled"), s.enabled).toBool();
    s.choices.visits = file.value(QStringLiteral("visits"), s.choices.visits).toBool();
    s.choices.finishes = file.value(QStringLiteral("finishes"), s.choices.finishes).toBool();
    s.choices.legs = file.value(QStringLiteral("legs"), s.choices.legs).toBool();
    s.choices.results = file.value(QStringLiteral("results"), s.choices.results).toBool();
    s.voice = file.value(QStringLiteral("voice"), s.voice).toString();
    s.rate = std::clamp(file.value(QStringLiteral("rate"), s.rate).toDouble(), -1.0, 1.0);
    return s;
}

bool CallerSettings::save(const QString& path) const {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(group);
    file.setValue(QStringLiteral("enabled"), enabled);
    file.setValue(QStringLiteral("visits"), choices.visits);
    file.setValue(QStringLiteral("finishes"), choices.finishes);
    file.setValue(QStringLiteral("legs"), choices.legs);
    file.setValue(QStringLiteral("results"), choices.results);
    file.setValue(QStringLiteral("voice"), voice);
    file.setValue(QStringLiteral("rate"), rate);
    file.endGroup();
    file.sync();
    return file.status() == QSettings::NoError;
}

QString save_failure_reason(const QString& path) {
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        return QCoreApplication::translate("dvk::caller::CallerSettings",
                                           "The folder '%1' cannot be made.")
            .arg(folder);
    }
    if (file.isDir()) {
        return QCoreApplication::translate("dvk::caller::CallerSettings", "'%1' is a folder.")
            .arg(path);
    }
    if (!QFileInfo(folder).isWritable() || (file.exists() && !file.isWritable())) {
        return QCoreApplication::translate("dvk::caller::CallerSettings",
                                           "You may not write to '%1'.")
            .arg(file.exists() ? path : folder);
    }
    return QCoreApplication::translate("dvk::caller::CallerSettings", "'%1' could not be written.")
        .arg(path);
}

QString dvk_settings_folder() {
    const QString program = QCoreApplication::applicationDirPath();
    if (dvk_is_portable(program)) {
        return program;
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config.isEmpty() ? program : QDir(config).filePath(QStringLiteral("dvk"));
}

QString settings_path(const QString& cmd_line) {
    const QString named = cmd_line.trimmed();
    if (!named.isEmpty()) {
        return named;
    }
    return QDir(dvk_settings_folder()).filePath(QStringLiteral("dvk_caller.ini"));
}

} // namespace dvk::caller
