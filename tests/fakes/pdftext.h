#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The text of a PDF document as a reader's tools see it: poppler's pdftotext, with the page layout
// kept, so that a table row reads as one line. Nothing when pdftotext could not read it (or is not
// installed: scripts/setup installs poppler-utils).
std::optional<QString> pdfText(const QByteArray &pdf);
// The page size pdfinfo reports, as "595.276 x 841.89 pts (A4)".
std::optional<QString> pdfPageSize(const QByteArray &pdf);
