#include "platform/desktop_shortcut.h"

#include "platform/system_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStandardPaths>

namespace dvk {
namespace {

// The escapes of a desktop entry's string values.
QString escape_string_value(const QString& value) {
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            escaped += QLatin1String("\\\\");
            break;
        case '\n':
            escaped += QLatin1String("\\n");
            break;
        case '\t':
            escaped += QLatin1String("\\t");
            break;
        case '\r':
            escaped += QLatin1String("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString program_icon(const QString& folder) {
    for (const char* name : {"dvk.svg", "dvk.png"}) {
        const QFileInfo icon(QDir(folder).filePath(QString::fromLatin1(name)));
        if (icon.isFile()) {
            return icon.absoluteFilePath();
        }
    }
    // An installed program's icon is in the icon theme under the name of its launcher.
    return QGuiApplication::desktopFileName();
}

} // namespace

bool is_shortcut_command(const QStringList& arguments) {
    return arguments.size() == 2 &&
           arguments.at(1).compare(QLatin1String("/shortcut"), Qt::CaseInsensitive) == 0;
}

QString desktop_exec_argument(const QString& argument) {
    // Inside double quotes the characters " ` $ \ take a backslash; the string escapes of the
    // file apply on top of that, and a percent sign must not start a field code.
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
            quoted += u'\\';
        }
        quoted += c;
    }
    quoted += u'"';
    return escape_string_value(quoted).replace(u'%', QLatin1String("%%"));
}

QString desktop_entry_text(const QString& executable, const QString& working_folder,
                           const QString& icon) {
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=dvk\n");
    text += QStringLiteral("Exec=%1\n").arg(desktop_exec_argument(executable));
    text += QStringLiteral("Path=%1\n").arg(escape_string_value(working_folder));
    text += QStringLiteral("Terminal=false\n");
    if (!icon.isEmpty()) {
        text += QStringLiteral("Icon=%1\n").arg(escape_string_value(icon));
    }
    return text;
}

bool write_desktop_shortcut(const QString& desktop_folder, const QString& executable,
                            const QString& working_folder, const QString& icon) {
    if (desktop_folder.isEmpty() || !QFileInfo(desktop_folder).isDir()) {
        return false;
    }
    QSaveFile file(QDir(desktop_folder).filePath(QStringLiteral("dvk.desktop")));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray bytes = desktop_entry_text(executable, working_folder, icon).toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return false;
    }
    // Desktops start only launchers their owner may execute.
    return QFile::setPermissions(file.fileName(), QFile::permissions(file.fileName()) |
                                                      QFile::ExeOwner | QFile::ExeUser);
}

QString desktop_folder() {
    const QString standard = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!standard.isEmpty() && QFileInfo(standard).isDir()) {
        return standard;
    }
    const QString home_desktop = QDir::home().filePath(QStringLiteral("Desktop"));
    return QFileInfo(home_desktop).isDir() ? home_desktop : QString();
}

bool create_desktop_shortcut() {
    const QString executable = QCoreApplication::applicationFilePath();
    if (executable.isEmpty()) {
        return false;
    }
    const QString folder = program_folder();
    return write_desktop_shortcut(desktop_folder(), executable, folder, program_icon(folder));
}

} // namespace dvk
