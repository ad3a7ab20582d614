#pragma once

#include <QString>

// The program's texts in the user's language. Installs the translation of one of the program's
// catalogues (tiltbench, tiltbench-indexer-sim) for the locale's languages, and Qt's own for its
// dialogs and buttons, so that a German desktop shows German windows. Installed, the catalogues
// are found in the program's share folder; in the build tree, where they were built. Under C or an
// English locale nothing is found and nothing changes: the texts in the code are English.
namespace Translations {

// `installDir` is relative to the program's folder; `buildDir` is absolute. Returns the file of
// the program's catalogue that was installed, or empty when there is none for this locale.
QString install(const QString &catalogue, const QString &installDir, const QString &buildDir);

} // namespace Translations
