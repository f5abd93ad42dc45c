#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace dvk {

// What a command line asks of the program besides playing: its usage or its version, printed
// on the standard output without opening a window.
enum class InfoRequest { None, Help, Version };

// The request of a command line (program first); help wins when both are asked for.
InfoRequest info_request(const QStringList& arguments);

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // The usage, naming the user's guide `guide` (a file, or empty when none is installed).
    static QString help_text(const QString& guide);
    static QString version_text(const QString& version);
};

} // namespace dvk
