#pragma once

// The print module: Qt Print Support's print dialog and printers, kept out of the program's
// start-up. The program reaches it through the Printer interface (ui/printer.h).

#include "printer.h"

#include <QObject>

// The module's entry point, found by QPluginLoader: QPrintDialog on a high-resolution QPrinter.
class QtPrintDialog : public QObject, public Printer
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID Printer_iid)
    Q_INTERFACES(Printer)

public:
    Outcome print(QWidget *parent, const QString &documentName, const QPageSize &paper,
                  const Pages &pages) override;
};
