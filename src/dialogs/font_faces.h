#pragma once

#include <QString>
#include <QStringList>

namespace dvk {

// A face name without the maker Qt appends when several makers supply a face of that name
// ("Nimbus Sans [UKWN]" is "Nimbus Sans").
QString face_without_maker(const QString& face);

// The faces of `families` (as the font database lists them), each once, in their order: the
// makers' variants of a face become the face itself, and names that differ only in case are one.
QStringList distinct_font_faces(const QStringList& families);

// The faces installed on this system that a user can pick, each once.
QStringList installed_font_faces();

} // namespace dvk
