#include "moduleprinter.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>

// The real print module, loaded as the program loads it: its dialog comes up for the document on
// the paper asked for, and cancelling it prints nothing.
class tst_ModulePrinter : public QObject
{
    Q_OBJECT

private slots:
    void dialogOffersThePaperAndCancels();
};

void tst_ModulePrinter::dialogOffersThePaperAndCancels()
{
    QString title;
    QPageSize::PageSizeId paper = QPageSize::Custom;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        title = dialog->windowTitle();
        paper = dialog->printer()->pageLayout().pageSize().id();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    bool drawn = false;
    ModulePrinter printer;
    const Printer::Outcome outcome
        = printer.print(nullptr, QStringLiteral("Friction lab report: Group A"),
                        QPageSize(QPageSize::Letter), [&drawn](QPagedPaintDevice &) {
                            drawn = true;
                            return std::optional<QString>();
                        });
    const auto *failed = std::get_if<Printer::Failed>(&outcome);
    QVERIFY2(!failed, qPrintable(failed ? failed->cause : QString()));
    QVERIFY(std::holds_alternative<Printer::Cancelled>(outcome));
    QCOMPARE(title, QStringLiteral("Print Friction lab report: Group A"));
    QCOMPARE(paper, QPageSize::Letter);
    QVERIFY(!drawn);
}

QTEST_MAIN(tst_ModulePrinter)
#include "tst_moduleprinter.moc"
