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
        m_empty = false;
        m_unread = true;
        return loaded;
    }
    loaded.bytes = std::get<QByteArray>(read);
    m_empty = loaded.bytes.isEmpty();
    TrialCsv::Salvaged salvaged = TrialCsv::salvage(loaded.bytes);
    loaded.trials = std::move(salvaged.trials);
    loaded.skipped = std::move(salvaged.skipped);
    return loaded;
}

std::optional<FileError> Journal::append(const Trial &trial, double muUncertainty)
{
    return append(QList<Trial> { trial }, [muUncertainty](const Trial &) { return muUncertainty; });
}

std::optional<FileError> Journal::append(const QList<Trial> &trials,
                                         const std::function<double(const Trial &)> &uncertaintyOf)
{
    QByteArray bytes = headerIfNeeded();
    for (const Trial &trial : trials)
        bytes += TrialCsv::row(trial, uncertaintyOf(trial));
    auto error = m_files.append(m_path, bytes);
    if (!error)
        m_empty = false;
    return error;
}

QByteArray Journal::headerIfNeeded() const
{
    return m_empty || !m_files.exists(m_path) ? TrialCsv::header() : QByteArray();
}

std::optional<FileError> Journal::rewrite(const QList<Trial> &trials,
                                          const std::function<double(const Trial &)> &uncertaintyOf)
{
    if (m_unread) {
        return FileError { m_path,
                           QStringLiteral("it could not be read at start, so it is not written "
                                          "anew; the change is not saved") };
    }
    auto error = m_files.replace(m_path, TrialCsv::write(trials, uncertaintyOf));
    if (!error)
        m_empty = false;
    return error;
}
