#include "shell/command_line.h"

namespace dvk {

InfoRequest info_request(const QStringList& arguments) {
    const QStringList options = arguments.mid(1);
    if (options.contains(QLatin1String("--help")) || options.contains(QLatin1String("-h"))) {
        return InfoRequest::Help;
    }
    if (options.contains(QLatin1String("--version"))) {
        return InfoRequest::Version;
    }
    return InfoRequest::None;
}

QString CommandLine::help_text(const QString& guide) {
    QString text = tr("Usage: dvk [--portable]\n"
                      "       dvk /shortcut\n"
                      "       dvk --help | --version\n"
                      "\n"
                      "Scorer for two-player count-down darts.\n"
                      "\n"
                      "  --portable  keep the settings, the game in progress and the CSV files\n"
                      "              beside the program\n"
                      "  /shortcut   put a launcher for dvk on the desktop and end\n"
                      "  --help      show this help and end\n"
                      "  --version   show the version and end\n");
    text += QLatin1Char('\n');
    text += guide.isEmpty() ? tr("The user's guide is not installed.")
                            : tr("The user's guide: %1").arg(guide);
    text += QLatin1Char('\n');
    return text;
}

QString CommandLine::version_text(const QString& version) {
    return tr("dvk %1\nScorer for two-player count-down darts.\n").arg(version);
}

} // namespace dvk
