#include "archive/csv_started.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace dvk {

namespace {

std::optional<SystemTime> system_time_of(const QDateTime& time) {
    if (!time.isValid()) {
        return std::nullopt;
    }
    QDate date = time.date();
    // A short date with two digits for the year reads as the 1900s; games are played now.
    if (date.year() < 1970) {
        date = date.addYears(100);
    }
    SystemTime t;
    t.year = static_cast<std::uint16_t>(date.year());
    t.month = static_cast<std::uint16_t>(date.month());
    t.day = static_cast<std::uint16_t>(date.day());
    t.day_of_week = static_cast<std::uint16_t>(date.dayOfWeek() % 7);
    t.hour = static_cast<std::uint16_t>(time.time().hour());
    t.minute = static_cast<std::uint16_t>(time.time().minute());
    t.second = static_cast<std::uint16_t>(time.time().second());
    return t;
}

// The time as the CSV files write it: the locale's short time, with seconds after the minutes
// when the short format has none.
QString time_format_with_seconds(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    const qsizetype minutes = format.indexOf(QLatin1String("mm"));
    if (format.contains(u's') || minutes < 0) {
        return format;
    }
    const QString separator = minutes > 0 ? QString(format.at(minutes - 1)) : QStringLiteral(":");
    return format.insert(minutes + 2, separator + QLatin1String("ss"));
}

} // namespace

std::optional<SystemTime> parse_csv_started(std::string_view text) {
    const QString started =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
    for (const QLocale& locale :
         {QLocale(), QLocale(QLocale::English, QLocale::UnitedStates),
          QLocale(QLocale::Japanese, QLocale::Japan),
          QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale::c()}) {
        for (const QLocale::FormatType date_format : {QLocale::ShortFormat, QLocale::LongFormat}) {
            for (const QString& time_format :
                 {time_format_with_seconds(locale), locale.timeFormat(QLocale::ShortFormat)}) {
                const QString format =
                    locale.dateFormat(date_format) + QLatin1Char(' ') + time_format;
                if (auto t = system_time_of(locale.toDateTime(started, format))) {
                    return t;
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace dvk
