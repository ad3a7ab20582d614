#pragma once

#include "labreport.h"

#include <QByteArray>
#include <QPageSize>

#include <optional>
#include <variant>

QT_BEGIN_NAMESPACE
class QPagedPaintDevice;
QT_END_NAMESPACE

// The report laid out on pages: the run's facts, the summary with the weighted means, the plot
// with its legend as vector lines, every trial (the excluded ones marked) and the checks a trial
// failed; a footer with the page number and the page count on every page. Text is laid out at
// the device's own resolution, so the same pages come out of a PDF file and a printer.
namespace ReportPages {

// Draws the report from the device's current page on: the cause when it could not.
std::optional<QString> paint(const LabReport &report, QPagedPaintDevice &device);
// The report as a PDF file on `paper`, with margins of 15 mm: its bytes, or the cause.
std::variant<QByteArray, QString> pdf(const LabReport &report, const QPageSize &paper);

} // namespace ReportPages
