#pragma once

#include <QString>

#include <optional>

// Writes a whole text file as UTF-8, all or nothing: until the new contents are complete on disk,
// the file keeps its old contents (or does not exist).
class TextFileWriter
{
public:
    // The reason, in the system's words, when the file could not be written.
    [[nodiscard]] static std::optional<QString> write(const QString &path, const QString &text);
};
