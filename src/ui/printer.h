#pragma once

#include <QPageSize>
#include <QString>
#include <QtPlugin>

#include <functional>
#include <optional>
#include <variant>

QT_BEGIN_NAMESPACE
class QPagedPaintDevice;
class QWidget;
QT_END_NAMESPACE

// The system's printers, reached through its print dialog. The dialog and Qt Print Support live in
// a module loaded at the first print (ModulePrinter), so that start-up does not map them; tests
// answer without a dialog or a printer.
class Printer
{
public:
    struct Printed
    {
    };
    struct Cancelled
    {
    };
    // The printer could not be used or a page could not be drawn: the cause in a few words.
    struct Failed
    {
        QString cause;
    };
    using Outcome = std::variant<Printed, Cancelled, Failed>;
    // Draws the document's pages on the device; the cause when it could not.
    using Pages = std::function<std::optional<QString>(QPagedPaintDevice &device)>;

    virtual ~Printer() = default;

    // Shows the print dialog for the document with `paper` chosen; when the operator prints, draws
    // the pages on the printer chosen.
    virtual Outcome print(QWidget *parent, const QString &documentName, const QPageSize &paper,
                          const Pages &pages)
        = 0;
};

#define Printer_iid "org.tiltbench.Printer/1.0"
Q_DECLARE_INTERFACE(Printer, Printer_iid)
