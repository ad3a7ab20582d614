#pragma once

#include <QLocale>
#include <QString>

#include <memory>

QT_BEGIN_NAMESPACE
class QTranslator;
QT_END_NAMESPACE

// The program's texts in another language for as long as it lives: the locale made the default
// and the catalogues the build made (translations/ in the build tree) installed, as the programs
// install them at start-up. On its end both are as they were before.
class TestLanguage
{
public:
    explicit TestLanguage(const QLocale &locale);
    ~TestLanguage();
    TestLanguage(const TestLanguage &) = delete;
    TestLanguage &operator=(const TestLanguage &) = delete;

    // Whether the program's catalogue for this language was found and installed.
    bool isLoaded() const { return m_program != nullptr; }

private:
    QLocale m_previous;
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_simulator;
};
