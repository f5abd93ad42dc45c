#include "dialogs/font_faces.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <QSet>

namespace dvk {

QString face_without_maker(const QString& face) {
    static const QRegularExpression maker(QStringLiteral("^(.*\\S)\\s*\\[[^\\]]*\\]$"));
    const QRegularExpressionMatch match = maker.match(face);
    return match.hasMatch() ? match.captured(1) : face.trimmed();
}

QStringList distinct_font_faces(const QStringList& families) {
    QStringList faces;
    QSet<QString> seen;
    for (const QString& family : families) {
        const QString face = face_without_maker(family);
        if (face.isEmpty() || seen.contains(face.toCaseFolded())) {
            continue;
        }
        seen.insert(face.toCaseFolded());
        faces.append(face);
    }
    return faces;
}

QStringList installed_font_faces() {
    QStringList families;
    // Private faces are the system's own (such as its user-interface face) and not for picking.
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family)) {
            families.append(family);
        }
    }
    return distinct_font_faces(families);
}

} // namespace dvk
