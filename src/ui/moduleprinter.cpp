#include "moduleprinter.h"

#include "programmodule.h"

Printer::Outcome ModulePrinter::print(QWidget *parent, const QString &documentName,
                                      const QPageSize &paper, const Pages &pages)
{
    const QString module = QStringLiteral(TILTBENCH_PRINT_MODULE);
    const auto loaded = ProgramModule::load(module, QStringLiteral(TILTBENCH_PRINT_INSTALL_DIR),
                                            QStringLiteral(TILTBENCH_PRINT_BUILD_DIR));
    if (const auto *why = std::get_if<QString>(&loaded))
        return Failed { *why };
    auto *printer = qobject_cast<Printer *>(std::get<QObject *>(loaded));
    if (!printer)
        return Failed { QStringLiteral("%1 is not the print module").arg(module) };
    return printer->print(parent, documentName, paper, pages);
}
