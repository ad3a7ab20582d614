#pragma once

// The runs dialogs: "New Run" asks for a new run's name and notes; "Runs" lists every run in the
// results database to open, rename or export one. Both are modal dialogs of the Results window,
// which carries out what the operator chose.

#include <QDialog>

QT_BEGIN_NAMESPACE
class QDialogButtonBox;
class QLineEdit;
QT_END_NAMESPACE

// "Tiltbench - New Run": a name (suggested, and required) and notes for the next group.
class frmNewRun : public QDialog
{
    Q_OBJECT

public:
    frmNewRun(const QString &suggestedName, QWidget *parent = nullptr);

    QString name() const;
    QString notes() const;

private:
    QLineEdit *txtRunName = nullptr;
    QLineEdit *txtRunNotes = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
