#include "testlanguage.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

std::unique_ptr<QTranslator> install(const QLocale &locale, const QString &catalogue)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, catalogue, QStringLiteral("_"),
                          QStringLiteral(TILTBENCH_TRANSLATIONS_BUILD_DIR))
        || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace

TestLanguage::TestLanguage(const QLocale &locale)
    : m_previous(QLocale())
{
    QLocale::setDefault(locale);
    m_program = install(locale, QStringLiteral("tiltbench"));
    m_simulator = install(locale, QStringLiteral("tiltbench-indexer-sim"));
}

TestLanguage::~TestLanguage()
{
    for (QTranslator *translator : { m_program.get(), m_simulator.get() }) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
    }
    QLocale::setDefault(m_previous);
}
