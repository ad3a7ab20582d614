#include "trafficcolours.h"

#include <QPalette>
#include <QTest>

#include <cmath>

namespace {

// WCAG 2's relative luminance and contrast ratio.
double luminance(const QColor &colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
        + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

// Each kind's text stays readable on the base of a light and of a dark theme.
class tst_TrafficColours : public QObject
{
    Q_OBJECT

private slots:
    void readableOnItsBase_data();
    void readableOnItsBase();
};

void tst_TrafficColours::readableOnItsBase_data()
{
    QTest::addColumn<QColor>("base");
    QTest::addColumn<int>("kind");

    using Kind = TrafficEntry::Kind;
    const QList<std::pair<const char *, QColor>> bases {
        { "white", Qt::white },
        { "light grey", QColor(0xef, 0xef, 0xef) },
        { "Breeze Dark", QColor(0x23, 0x26, 0x29) },
        // A dark theme with a lighter base than most.
        { "dark grey", QColor(0x3a, 0x3a, 0x3a) },
        { "black", Qt::black },
    };
    for (const auto &[name, base] : bases) {
        for (const Kind kind : { Kind::Sent, Kind::Received, Kind::Closed, Kind::NotSent }) {
            QTest::addRow("%s, kind %d", name, int(kind)) << base << int(kind);
        }
    }
}

void tst_TrafficColours::readableOnItsBase()
{
    QFETCH(QColor, base);
    QFETCH(int, kind);
    QPalette palette;
    palette.setColor(QPalette::Base, base);
    const QColor text = TrafficColours::forKind(TrafficEntry::Kind(kind), palette);
    QVERIFY2(contrast(text, base) >= 4.5, qPrintable(QString::number(contrast(text, base))));
    // The kinds are told apart by hue, not only by lightness.
    const auto hue
        = [&palette](TrafficEntry::Kind k) { return TrafficColours::forKind(k, palette).hsvHue(); };
    const int sent = hue(TrafficEntry::Kind::Sent);
    const int received = hue(TrafficEntry::Kind::Received);
    const int port = hue(TrafficEntry::Kind::Closed);
    const auto apart
        = [](int a, int b) { return std::min(std::abs(a - b), 360 - std::abs(a - b)); };
    QVERIFY(apart(sent, received) >= 60);
    QVERIFY(apart(sent, port) >= 60);
    QVERIFY(apart(received, port) >= 60);
    // Matches: black on yellow.
    QVERIFY(contrast(TrafficColours::matchText(), TrafficColours::matchBackground()) >= 4.5);
}

QTEST_GUILESS_MAIN(tst_TrafficColours)
#include "tst_trafficcolours.moc"
