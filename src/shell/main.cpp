#include "platform/desktop_shortcut.h"
#include "platform/system_services.h"
#include "shell/program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dvk"));
    if (dvk::is_shortcut_command(QApplication::arguments())) {
        dvk::create_desktop_shortcut();
        return 0;
    }
    QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("dvk"), QStringLiteral("_"),
                        QStringLiteral(":/i18n"))) {
        QApplication::installTranslator(&translator);
    }
    QTranslator qt_translator;
    if (qt_translator.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qt_translator);
    }
    dvk::Program program(dvk::program_folder().toStdString());
    program.show();
    return QApplication::exec();
}
