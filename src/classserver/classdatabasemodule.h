#pragma once

#include <QString>

#include <variant>

class ClassDatabaseFactory;

// Finds and loads the class server module once per run, from whichever thread asks first: in the
// program's own library folder when installed, beside the program or where it was built in the
// build tree.
namespace ClassDatabaseModule {

// The factory, or why the module could not be loaded.
std::variant<ClassDatabaseFactory *, QString> factory();

} // namespace ClassDatabaseModule
