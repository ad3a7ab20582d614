#include "qtprintdialog.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

Printer::Outcome QtPrintDialog::print(QWidget *parent, const QString &documentName,
                                      const QPageSize &paper, const Pages &pages)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageSize(paper);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(
        QCoreApplication::translate("QtPrintDialog", "Print %1").arg(documentName));
    // Page ranges and copies are the printer's business; the report is printed whole.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return Cancelled {};
    if (!printer.isValid())
        return Failed { QCoreApplication::translate("QtPrintDialog",
                                                    "the printer %1 cannot be used")
                            .arg(printer.printerName()) };
    if (const auto why = pages(printer))
        return Failed { *why };
    return Printed {};
}
