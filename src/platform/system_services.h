#pragma once

#include <QLocale>
#include <QString>

namespace dvk {

// The system's default beep, the answer to refused input.
void beep();

// The folder of the executable, where dvk.ini, the tables and the recovery file live.
QString program_folder();
// Makes program_folder() answer `folder` instead (tests); an empty text restores the real one.
void override_program_folder(const QString& folder);

// True when the locale's language is Japanese (decides some defaults).
bool is_japanese_locale(const QLocale& locale = QLocale());

} // namespace dvk
