#include "platform/web_page.h"

#include "platform/dialog_script.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QVariant>

namespace dvk {

QUrl page_address(const QString& page) {
    const QString text = page.trimmed();
    if (text.isEmpty()) {
        return {};
    }
    const QUrl address = QUrl::fromUserInput(text, QDir::currentPath(), QUrl::AssumeLocalFile);
    const QString scheme = address.scheme();
    if (!address.isValid() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
         scheme != QLatin1String("file"))) {
        return {};
    }
    return address;
}

namespace {

// Runs xdg-open for `address` and reports a failed end. The opener's standard files are the
// null device: a browser it starts in the foreground inherits them, and must not lose its
// output, or be ended by a broken pipe, once dvk has gone. Ending dvk ends the opener's watch
// only (QProcess kills the opener itself, never the browser it started).
bool run_opener(const QString& opener, const QUrl& address, QObject* context,
                const PageNotOpened& not_opened) {
    auto* process = new QProcess(context);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, context,
                     [process, not_opened](int exit_code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit) {
                             not_opened(-1);
                         } else if (exit_code != 0) {
                             not_opened(exit_code);
                         }
                     });
    process->start(opener, {address.toString(QUrl::FullyEncoded)});
    if (!process->waitForStarted()) {
        process->deleteLater();
        return false;
    }
    return true;
}

} // namespace

bool open_web_page(const QUrl& address, QObject* context, const PageNotOpened& not_opened) {
    const auto scripted = DialogScript::take_answer(
        QStringLiteral("WebPage"),
        {{QStringLiteral("address"), address.toString(QUrl::FullyEncoded)}});
    if (scripted.has_value()) {
        if (scripted->typeId() == QMetaType::Bool) {
            return scripted->toBool();
        }
        if (const int exit_code = scripted->toInt(); exit_code != 0) {
            not_opened(exit_code);
        }
        return true;
    }
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        return QDesktopServices::openUrl(address);
    }
    return run_opener(opener, address, context, not_opened);
}

} // namespace dvk
