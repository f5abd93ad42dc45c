#pragma once

class QCoreApplication;

namespace dvk {

// Installs the program's texts and Qt's own in the language of the system's locale; English,
// the language of the source texts, needs none. The translators belong to `application`.
void install_translations(QCoreApplication& application);

} // namespace dvk
