#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace dvk {

// The folders that may hold the user's guide, best first: the data folder of an installed
// program, then the "guide" folder beside a program run where it was built. Each holds one
// folder per language with an "index.html".
QStringList user_guide_folders(const QString& program_folder);

// The user's guide in the language of `locale`, or in English when that language has none;
// empty when no guide is found.
QString user_guide_file(const QString& program_folder, const QLocale& locale = QLocale());

} // namespace dvk
