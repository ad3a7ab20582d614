#pragma once

// The report room: the lab report of one run, to hand in. LabReport gathers what it says (a
// snapshot of the run, its trials, the summary and the plot) when the operator asks for it;
// ReportPages lays it out on pages, with page numbers, for a PDF file or a printer; ReportPaper
// chooses A4 or Letter by the locale. QtGui only: printing itself is the print module's.

#include "plotdata.h"
#include "resultssummary.h"
#include "run.h"
#include "trial.h"

#include <QDateTime>
#include <QStringList>

class ResultsSession;

struct LabReport
{
    Run run;
    // "2026-12-07 09:30 to 10:15", from the first trial to the last.
    QString period;
    QString programVersion;
    // The computer the run was measured on.
    QString station;
    QDateTime printed;
    // The ± values of the run and, where trials were calculated with others, those with the
    // number of trials that used them.
    QStringList uncertainties;
    QList<Trial> trials;
    bool spansDays = false;
    QList<SummaryGroup> summary;
    PlotData plot;

    static LabReport of(ResultsSession &session, PlotAxis axis, const QString &station,
                        const QDateTime &printed);
    // "Friction lab report: <run>", the document's name for a printer or a PDF viewer.
    QString title() const;
};
