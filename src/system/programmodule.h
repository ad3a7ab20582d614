#pragma once

#include <QObject>
#include <QString>

#include <variant>

// Loads one of the program's own modules (a Qt plugin that keeps a library such as Qt Charts or
// Qt SQL out of the program's start-up) once per run: installed, from the program's plugin folder;
// in the build tree, from beside the program or, for the tests, from where it was built.
namespace ProgramModule {

// The module's root object, which lives as long as the program; or why it could not be loaded.
// `installDir` is relative to the program's folder.
std::variant<QObject *, QString> load(const QString &fileName, const QString &installDir,
                                      const QString &buildDir);

} // namespace ProgramModule
