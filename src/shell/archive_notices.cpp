#include "shell/archive_notices.h"

#include "shell/file_notices.h"

#include <QCoreApplication>

namespace dvk {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("ArchiveNotices", text);
}

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void ArchiveNotices::tell(FileNotices& notices, const ArchiveNotice& notice) {
    switch (notice.kind) {
    case ArchiveNotice::Kind::Unavailable:
        notices.tell_text(
            true, translated(QT_TRANSLATE_NOOP(
                                 "ArchiveNotices",
                                 "The match archive '%1' cannot be written (%2). Play goes on: "
                                 "finished legs are kept in '%3' and written to the archive as "
                                 "soon as it can be written again."))
                      .arg(text_of(notice.where), text_of(notice.reason),
                           QString::fromStdString(notice.kept.string())));
        break;
    case ArchiveNotice::Kind::Back:
        notices.tell_text(
            false, translated(QT_TRANSLATE_NOOP("ArchiveNotices",
                                                "The match archive '%1' can be written again; "
                                                "the legs kept meanwhile are in it."))
                       .arg(text_of(notice.where)));
        break;
    case ArchiveNotice::Kind::CorruptKept:
        notices.tell_text(
            true, translated(QT_TRANSLATE_NOOP("ArchiveNotices",
                                               "The match archive '%1' is damaged (%2). It was "
                                               "kept as '%3' and a new archive was begun."))
                      .arg(text_of(notice.where), text_of(notice.reason),
                           QString::fromStdString(notice.kept.string())));
        break;
    }
}

void ArchiveNotices::tell_bad_address(FileNotices& notices, const QString& reason) {
    notices.tell_text(
        true, translated(QT_TRANSLATE_NOOP("ArchiveNotices",
                                           "%1 The match archive is kept in a file instead."))
                  .arg(reason));
}

} // namespace dvk
