#include "journal.h"

Journal::Journal(DataFiles &files, QDate day)
    : m_files(files)
    , m_path(files.dataFolder() + QStringLiteral("/results/") + day.toString(Qt::ISODate)
             + QStringLiteral(".csv"))
{
}

Journal::Loaded Journal::load()
{
    Loaded loaded;
    if (!m_files.exists(m_path))
        return loaded;
    const DataFiles::ReadResult read = m_files.read(m_path);
    if (const auto *error = std::get_if<FileError>(&read)) {
        loaded.error = *error;
        return loaded;
    }
    TrialCsv::Salvaged salvaged = TrialCsv::salvage(std::get<QByteArray>(read));
    loaded.trials = std::move(salvaged.trials);
    loaded.skipped = std::move(salvaged.skipped);
    return loaded;
}

std::optional<FileError> Journal::append(const Trial &trial, double muUncertainty)
{
    QByteArray bytes = TrialCsv::row(trial, muUncertainty);
    if (!m_files.exists(m_path))
        bytes.prepend(TrialCsv::header());
    return m_files.append(m_path, bytes);
}

std::optional<FileError> Journal::append(const QList<Trial> &trials,
                                         const std::function<double(const Trial &)> &uncertaintyOf)
{
    QByteArray bytes;
    if (!m_files.exists(m_path))
        bytes = TrialCsv::header();
    for (const Trial &trial : trials)
        bytes += TrialCsv::row(trial, uncertaintyOf(trial));
    return m_files.append(m_path, bytes);
}

std::optional<FileError> Journal::rewrite(const QList<Trial> &trials,
                                          const std::function<double(const Trial &)> &uncertaintyOf)
{
    return m_files.replace(m_path, TrialCsv::write(trials, uncertaintyOf));
}
