#pragma once

#include "printer.h"

// The system's print dialog from the print module (tiltbench_print), loaded at the first print.
// Where the module is missing the print fails with the reason, and nothing else is lost.
class ModulePrinter : public Printer
{
public:
    Outcome print(QWidget *parent, const QString &documentName, const QPageSize &paper,
                  const Pages &pages) override;
};
