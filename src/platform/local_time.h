#pragma once

#include "model/game_record.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace dvk {

// The local date and time now.
SystemTime local_time();

// Conversions; day_of_week counts from 0 for Sunday. A SystemTime with an impossible date or
// time gives an invalid QDateTime.
SystemTime to_system_time(const QDateTime& time);
QDateTime to_date_time(const SystemTime& time);

// The locale's short date, e.g. "12/7/26"; empty for an impossible date.
QString locale_date_text(const SystemTime& time, const QLocale& locale = QLocale());
// The locale's time of day with seconds, e.g. "10:15:00 AM"; empty for an impossible time.
QString locale_time_text(const SystemTime& time, const QLocale& locale = QLocale());

} // namespace dvk
