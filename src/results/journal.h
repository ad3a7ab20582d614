#pragma once

#include "datafiles.h"
#include "trialcsv.h"

#include <QDate>

// The day's record of trials, one CSV file per day under the data folder
// (results/<YYYY-MM-DD>.csv). Each new trial is appended and synced to the disk before it is
// shown; deletions and edits replace the file atomically, so a crash at any moment leaves every
// trial that was shown.
class Journal
{
public:
    Journal(DataFiles &files, QDate day);

    QString path() const { return m_path; }

    struct Loaded
    {
        QList<Trial> trials;
        // The records that could not be read, with where they were; empty for a sound journal.
        QList<TrialCsv::Fault> skipped;
        // The journal as it was read, for keeping a damaged one before it is written anew.
        QByteArray bytes;
        std::optional<FileError> error;
    };

    // The trials already recorded for the day. The owner writes a journal with skipped records
    // anew, so that the next append does not continue a broken line.
    Loaded load();

    std::optional<FileError> append(const Trial &trial, double muUncertainty);
    std::optional<FileError> append(const QList<Trial> &trials,
                                    const std::function<double(const Trial &)> &uncertaintyOf);
    std::optional<FileError> rewrite(const QList<Trial> &trials,
                                     const std::function<double(const Trial &)> &uncertaintyOf);

private:
    QByteArray headerIfNeeded() const;

    DataFiles &m_files;
    QString m_path;
    // A file cut short in its very first write exists but has no header yet.
    bool m_empty = true;
    // A journal that could not be read is only ever appended to: writing it anew from what this
    // run knows would drop the trials in it.
    bool m_unread = false;
};
