#pragma once

#include "printer.h"

#include <QBuffer>
#include <QList>
#include <QPdfWriter>
#include <QStringList>

// A printer for tests: its print dialog answers with `prints` (true prints, false cancels) and
// records what it was asked; what is printed goes into a PDF in memory on the paper asked for, so
// that a test can read the pages, unless `failure` names a fault of the printer.
class FakePrinter : public Printer
{
public:
    Outcome print(QWidget *, const QString &documentName, const QPageSize &paper,
                  const Pages &pages) override
    {
        documents << documentName;
        papers << paper;
        if (!prints)
            return Cancelled {};
        if (!failure.isEmpty())
            return Failed { failure };
        pdf.clear();
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(paper);
        if (const auto why = pages(writer))
            return Failed { *why };
        return Printed {};
    }

    bool prints = true;
    // The printer's fault, when not empty.
    QString failure;
    QStringList documents;
    QList<QPageSize> papers;
    QByteArray pdf;
};
