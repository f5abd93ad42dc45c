#include "platform/local_time.h"

namespace dvk {
namespace {

// The locale's short time format, with seconds added after the minutes when it has none,
// using the separator that precedes the minutes.
QString time_format_with_seconds(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (format.contains(u's')) {
        return format;
    }
    const qsizetype minutes = format.indexOf(QLatin1String("mm"));
    if (minutes < 0) {
        return format;
    }
    const QString separator = minutes > 0 ? QString(format.at(minutes - 1)) : QStringLiteral(":");
    return format.insert(minutes + 2, separator + QLatin1String("ss"));
}

} // namespace

SystemTime local_time() {
    return to_system_time(QDateTime::currentDateTime());
}

SystemTime to_system_time(const QDateTime& time) {
    const QDate date = time.date();
    const QTime clock = time.time();
    SystemTime result;
    result.year = static_cast<std::uint16_t>(date.year());
    result.month = static_cast<std::uint16_t>(date.month());
    result.day_of_week = static_cast<std::uint16_t>(date.dayOfWeek() % 7);
    result.day = static_cast<std::uint16_t>(date.day());
    result.hour = static_cast<std::uint16_t>(clock.hour());
    result.minute = static_cast<std::uint16_t>(clock.minute());
    result.second = static_cast<std::uint16_t>(clock.second());
    result.milliseconds = static_cast<std::uint16_t>(clock.msec());
    return result;
}

QDateTime to_date_time(const SystemTime& time) {
    const QDate date(time.year, time.month, time.day);
    const QTime clock(time.hour, time.minute, time.second, time.milliseconds);
    if (!date.isValid() || !clock.isValid()) {
        return {};
    }
    return QDateTime(date, clock);
}

QString locale_date_text(const SystemTime& time, const QLocale& locale) {
    const QDateTime date_time = to_date_time(time);
    return date_time.isValid() ? locale.toString(date_time.date(), QLocale::ShortFormat)
                               : QString();
}

QString locale_time_text(const SystemTime& time, const QLocale& locale) {
    const QDateTime date_time = to_date_time(time);
    return date_time.isValid() ? locale.toString(date_time.time(), time_format_with_seconds(locale))
                               : QString();
}

} // namespace dvk
