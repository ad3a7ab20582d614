#pragma once

#include <QLocale>
#include <QPageSize>

// The paper a report is laid out on: US Letter in the countries that use it (the list Unicode's
// CLDR gives: Belize, Canada, Chile, Colombia, Costa Rica, El Salvador, Guatemala, Mexico,
// Nicaragua, Panama, the Philippines, Puerto Rico, the United States, Venezuela), A4 everywhere
// else.
namespace ReportPaper {

QPageSize forLocale(const QLocale &locale = QLocale());

} // namespace ReportPaper
