#include "caller_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <algorithm>

namespace dvk::caller {
namespace {

const QString group = QStringLiteral("caller");

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

QString settings_path(const QString& cmd_line) {
    const QString named = cmd_line.trimmed();
    if (!named.isEmpty()) {
        return named;
    }
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("dvk_caller.ini"));
}

} // namespace dvk::caller
