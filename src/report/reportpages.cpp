#include "reportpages.h"

#include "plotexport.h"
#include "resultsdisplay.h"
#include "summarytablemodel.h"
#include "trialtablemodel.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <cmath>

namespace {

// Sizes in points.
constexpr double kTitleSize = 15.0;
constexpr double kHeadingSize = 11.0;
constexpr double kBodySize = 8.5;
constexpr double kTableSize = 7.5;
constexpr double kCellPadding = 2.0;
constexpr double kFooterHeight = 20.0;
constexpr double kLabelWidth = 70.0;

struct Column
{
    QString heading;
    // Points; 0 takes what the other columns leave.
    double width = 0.0;
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct Row
{
    QStringList cells;
    // Drawn grey and in italics: a trial left out.
    bool muted = false;
};

// The pages as they are filled from top to bottom, in points from the top left of the printable
// area. Without a painter nothing is drawn and only the pages are counted: the first of the two
// passes, which gives the second its "of N".
class Pages
{
public:
    Pages(QPagedPaintDevice &device, QPainter *painter, int pageCount, QString footer)
        : m_device(device)
        , m_painter(painter)
        , m_pageCount(pageCount)
        , m_footer(std::move(footer))
    {
        m_scale = device.logicalDpiY() / 72.0;
        const QSizeF area = device.pageLayout().paintRectPoints().size();
        m_width = area.width();
        m_bottom = area.height() - kFooterHeight;
    }

    int page() const { return m_page; }
    double width() const { return m_width; }
    double y() const { return m_y; }
    void advance(double height) { m_y += height; }
    double scale() const { return m_scale; }
    QPainter *painter() const { return m_painter; }

    QFont font(double points, bool bold = false, bool italic = false) const
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleHint(QFont::SansSerif);
        // Sized in device pixels: the text is laid out at the resolution it is printed at.
        font.setPixelSize(std::max(1, int(std::lround(points * m_scale))));
        font.setBold(bold);
        font.setItalic(italic);
        return font;
    }

    double height(const QString &text, const QFont &font, double width) const
    {
        const QRectF bounds = QFontMetricsF(font).boundingRect(QRectF(0, 0, width * m_scale, 1e7),
                                                               Qt::TextWordWrap, text);
        return std::max(bounds.height(), QFontMetricsF(font).height()) / m_scale;
    }

    // The width of the text's longest word: what a wrapping cell cannot go below.
    double longestWord(const QString &text, const QFont &font) const
    {
        const QFontMetricsF metrics(font);
        double widest = 0.0;
        for (const QString &word :
             text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            widest = std::max(widest, metrics.horizontalAdvance(word));
        return widest / m_scale;
    }

    void text(const QRectF &rect, const QString &text, const QFont &font,
              Qt::Alignment alignment = Qt::AlignLeft, const QColor &colour = Qt::black)
    {
        if (!m_painter)
            return;
        m_painter->setFont(font);
        m_painter->setPen(colour);
        m_painter->drawText(device(rect), int(alignment | Qt::AlignTop) | Qt::TextWordWrap, text);
    }

    void line(double x1, double y1, double x2, double y2, double width = 0.5)
    {
        if (!m_painter)
            return;
        m_painter->setPen(QPen(QColor(0x55, 0x55, 0x55), width * m_scale));
        m_painter->drawLine(QPointF(x1, y1) * m_scale, QPointF(x2, y2) * m_scale);
    }

    // Starts a new page unless `height` still fits on this one (or the page is still empty).
    bool makeRoom(double height)
    {
        if (m_y + height <= m_bottom || m_y == 0.0)
            return false;
        newPage();
        return true;
    }

    void newPage()
    {
        footer();
        if (m_painter)
            m_device.newPage();
        ++m_page;
        m_y = 0.0;
    }

    void finish() { footer(); }

    QRectF device(const QRectF &rect) const
    {
        return { rect.x() * m_scale, rect.y() * m_scale, rect.width() * m_scale,
                 rect.height() * m_scale };
    }

private:
    void footer()
    {
        const QFont small = font(kTableSize);
        const double y = m_bottom + kFooterHeight
            - height(QCoreApplication::translate("ReportPages", "Page"), small, m_width);
        line(0, y - 4, m_width, y - 4, 0.3);
        text(QRectF(0, y, m_width * 0.75, kFooterHeight), m_footer, small);
        text(QRectF(0, y, m_width, kFooterHeight),
             QCoreApplication::translate("ReportPages", "Page %1 of %2")
                 .arg(m_page)
                 .arg(m_pageCount),
             small, Qt::AlignRight);
    }

    QPagedPaintDevice &m_device;
    QPainter *m_painter;
    int m_pageCount;
    QString m_footer;
    double m_scale = 1.0;
    double m_width = 0.0;
    double m_bottom = 0.0;
    double m_y = 0.0;
    int m_page = 1;
};

// A heading stays on the page with `keepWith` points of what it heads.
void heading(Pages &pages, const QString &text, double keepWith = 40.0)
{
    const QFont font = pages.font(kHeadingSize, true);
    const double height = pages.height(text, font, pages.width());
    pages.makeRoom(height + 12.0 + keepWith);
    pages.advance(pages.y() > 0 ? 8.0 : 0.0);
    pages.text(QRectF(0, pages.y(), pages.width(), height), text, font);
    pages.advance(height + 4.0);
}

void paragraph(Pages &pages, const QString &text, double size = kBodySize)
{
    const QFont font = pages.font(size);
    const double height = pages.height(text, font, pages.width());
    pages.makeRoom(height);
    pages.text(QRectF(0, pages.y(), pages.width(), height), text, font);
    pages.advance(height + 3.0);
}

// Label and value side by side, the value wrapped.
void fact(Pages &pages, const QString &label, const QString &value)
{
    const QFont bold = pages.font(kBodySize, true);
    const QFont plain = pages.font(kBodySize);
    const double valueWidth = pages.width() - kLabelWidth;
    const double height
        = std::max(pages.height(label, bold, kLabelWidth), pages.height(value, plain, valueWidth));
    pages.makeRoom(height);
    pages.text(QRectF(0, pages.y(), kLabelWidth, height), label, bold);
    pages.text(QRectF(kLabelWidth, pages.y(), valueWidth, height), value, plain);
    pages.advance(height + 2.0);
}

void table(Pages &pages, QList<Column> columns, const QList<Row> &rows)
{
    const QFont plain = pages.font(kTableSize);
    const QFont bold = pages.font(kTableSize, true);
    const QFont muted = pages.font(kTableSize, false, true);

    // The widths suit the English texts; a longer word (a German heading or kind, a long sample
    // name) widens its column rather than run into the next one. The last column gives the room.
    double fixed = 0.0;
    for (int c = 0; c < columns.size(); ++c) {
        Column &column = columns[c];
        if (column.width == 0.0)
            continue;
        double word = pages.longestWord(column.heading, bold);
        for (const Row &row : rows)
            word = std::max(word, pages.longestWord(row.cells.value(c), row.muted ? muted : plain));
        column.width = std::max(column.width, std::ceil(word) + 2 * kCellPadding);
        fixed += column.width;
    }
    for (Column &column : columns) {
        if (column.width == 0.0)
            column.width = std::max(40.0, pages.width() - fixed);
    }

    const auto rowHeight = [&](const QStringList &cells, const QFont &font) {
        double height = 0.0;
        for (int c = 0; c < columns.size(); ++c)
            height = std::max(
                height, pages.height(cells.value(c), font, columns.at(c).width - 2 * kCellPadding));
        return height + 2 * kCellPadding;
    };
    const auto drawRow
        = [&](const QStringList &cells, const QFont &font, const QColor &colour, double height) {
              double x = 0.0;
              for (int c = 0; c < columns.size(); ++c) {
                  const Column &column = columns.at(c);
                  pages.text(QRectF(x + kCellPadding, pages.y() + kCellPadding,
                                    column.width - 2 * kCellPadding, height - 2 * kCellPadding),
                             cells.value(c), font, column.alignment, colour);
                  x += column.width;
              }
              pages.advance(height);
          };
    QStringList headings;
    for (const Column &column : std::as_const(columns))
        headings << column.heading;
    const double headingHeight = rowHeight(headings, bold);
    const auto drawHeadings = [&] {
        drawRow(headings, bold, Qt::black, headingHeight);
        pages.line(0, pages.y(), pages.width(), pages.y(), 0.6);
    };

    pages.makeRoom(headingHeight
                   + (rows.isEmpty() ? 0.0 : rowHeight(rows.constFirst().cells, plain)));
    drawHeadings();
    for (const Row &row : rows) {
        const QFont &font = row.muted ? muted : plain;
        const double height = rowHeight(row.cells, font);
        // The headings again at the top of every page the table goes on to.
        if (pages.makeRoom(height))
            drawHeadings();
        drawRow(row.cells, font, row.muted ? QColor(0x70, 0x70, 0x70) : QColor(Qt::black), height);
        pages.line(0, pages.y(), pages.width(), pages.y(), 0.2);
    }
    pages.advance(4.0);
}

void summary(Pages &pages, const LabReport &report)
{
    using S = SummaryTableModel;
    heading(pages, QCoreApplication::translate("ReportPages", "Summary of the used trials"));
    if (report.summary.isEmpty()) {
        paragraph(pages, QCoreApplication::translate("ReportPages", "No trial is used."));
        return;
    }
    const QList<Column> columns {
        { S::heading(S::Sample), 64.0, Qt::AlignLeft },
        { S::heading(S::Kind), 36.0, Qt::AlignLeft },
        { S::heading(S::Count), 24.0, Qt::AlignRight },
        { S::heading(S::Mean), 38.0, Qt::AlignRight },
        { S::heading(S::StandardDeviation), 48.0, Qt::AlignRight },
        { S::heading(S::StandardError), 40.0, Qt::AlignRight },
        { QCoreApplication::translate("ReportPages", "Weighted mean µ ± σ"), 74.0, Qt::AlignRight },
        { S::heading(S::ReducedChiSquare), 30.0, Qt::AlignRight },
        { S::heading(S::Note), 0.0, Qt::AlignLeft },
    };
    QList<Row> rows;
    for (const SummaryGroup &group : report.summary) {
        const QString weighted = group.weighted
            ? QStringLiteral("%1 ± %2").arg(S::text(group, S::WeightedMean),
                                            S::text(group, S::WeightedUncertainty))
            : QString();
        rows << Row { { S::text(group, S::Sample), S::text(group, S::Kind),
                        S::text(group, S::Count), S::text(group, S::Mean),
                        S::text(group, S::StandardDeviation), S::text(group, S::StandardError),
                        weighted, S::text(group, S::ReducedChiSquare),
                        group.notes(true).join(u' ') },
                      false };
    }
    table(pages, columns, rows);
    paragraph(pages,
              QCoreApplication::translate(
                  "ReportPages",
                  "Weighted mean: each trial counts with 1/δµ², and σ "
                  "is its uncertainty from the trials' δµ. χ²/ν "
                  "is about 1 when the trials scatter as their δµ say, and "
                  "well above 1 when they scatter more. The standard deviation and "
                  "error are those of the plain mean."),
              kTableSize);
}

void plot(Pages &pages, const LabReport &report)
{
    const PlotLayout layout = PlotLayout::of(report.plot, PlotExport::kWidth);
    const double width = pages.width();
    const double height = layout.size.height() * width / layout.size.width();
    heading(pages,
            report.plot.axis == PlotAxis::Trial
                ? QCoreApplication::translate("ReportPages", "µ against trial number")
                : QCoreApplication::translate(
                    "ReportPages", "µ against the ramp angle, with weighted straight lines"),
            height);
    if (QPainter *painter = pages.painter()) {
        PlotExport::paint(report.plot, layout, *painter, QPointF(0, pages.y()) * pages.scale(),
                          width * pages.scale());
    }
    pages.advance(height + 4.0);
}

void trials(Pages &pages, const LabReport &report)
{
    using T = TrialTableModel;
    heading(pages, QCoreApplication::translate("ReportPages", "Trials"));
    if (report.trials.isEmpty()) {
        paragraph(pages, QCoreApplication::translate("ReportPages", "The run has no trials."));
        return;
    }
    // The table's own headings, with the units' signs that print well and take less room.
    const QList<Column> columns {
        { T::heading(T::Number), 32.0, Qt::AlignRight },
        { T::heading(T::Time), report.spansDays ? 84.0 : 40.0, Qt::AlignLeft },
        { T::heading(T::Sample), 54.0, Qt::AlignLeft },
        { T::heading(T::Kind), 34.0, Qt::AlignLeft },
        { QCoreApplication::translate("ReportPages", "Angle (°)"), 40.0, Qt::AlignRight },
        { T::heading(T::Length), 36.0, Qt::AlignRight },
        { QCoreApplication::translate("ReportPages", "ΔT (ms)"), 38.0, Qt::AlignRight },
        { QCoreApplication::translate("ReportPages", "g (m/s²)"), 40.0, Qt::AlignRight },
        { T::heading(T::Mu), 46.0, Qt::AlignRight },
        { T::heading(T::MuUncertainty), 34.0, Qt::AlignRight },
        { QCoreApplication::translate("ReportPages", "Used"), 38.0, Qt::AlignLeft },
        { T::heading(T::Note), 0.0, Qt::AlignLeft },
    };
    QList<Row> rows;
    QStringList failed;
    for (const Trial &trial : report.trials) {
        const auto cell = [&](int column) { return T::text(trial, column, report.spansDays); };
        QString mu = cell(T::Mu);
        if (const PhysicsChecks::Flags checks = T::checks(trial); checks != PhysicsChecks::None) {
            mu += QStringLiteral(" !");
            failed << QCoreApplication::translate("ReportPages",
                                                  "Trial %1 (µ = %2, %3 degrees): %4")
                          .arg(cell(T::Number), cell(T::Mu), cell(T::Angle),
                               PhysicsChecks::explanation(checks).replace(u'\n', u' '));
        }
        rows << Row { { cell(T::Number), cell(T::Time), cell(T::Sample), cell(T::Kind),
                        cell(T::Angle), cell(T::Length), cell(T::DeltaT), cell(T::Gravity), mu,
                        cell(T::MuUncertainty),
                        trial.used() ? QCoreApplication::translate("ReportPages", "yes")
                                     : QCoreApplication::translate("ReportPages", "excluded"),
                        cell(T::Note) },
                      !trial.used() };
    }
    table(pages, columns, rows);
    paragraph(pages,
              QCoreApplication::translate(
                  "ReportPages",
                  "Excluded trials (grey) are kept but left out of the summary and the "
                  "plot. µ is the calculator's value; ± δµ is its "
                  "first-order uncertainty from the ± values it was calculated "
                  "with."),
              kTableSize);
    if (!failed.isEmpty()) {
        heading(pages, QCoreApplication::translate("ReportPages", "Checks (marked ! above)"));
        for (const QString &line : std::as_const(failed))
            paragraph(pages, line);
    }
}

void layOut(Pages &pages, const LabReport &report)
{
    const QFont title = pages.font(kTitleSize, true);
    const double height = pages.height(report.title(), title, pages.width());
    pages.text(QRectF(0, 0, pages.width(), height), report.title(), title);
    pages.advance(height + 8.0);
    fact(pages, QCoreApplication::translate("ReportPages", "Run"), report.run.name);
    fact(pages, QCoreApplication::translate("ReportPages", "Measured"), report.period);
    fact(pages, QCoreApplication::translate("ReportPages", "Station"), report.station);
    fact(pages, QCoreApplication::translate("ReportPages", "Program"), report.programVersion);
    fact(pages, QCoreApplication::translate("ReportPages", "Printed"),
         ResultsDisplay::dateTime(report.printed));
    fact(pages, QCoreApplication::translate("ReportPages", "± values"),
         report.uncertainties.join(u'\n'));
    fact(pages, QCoreApplication::translate("ReportPages", "Notes"),
         report.run.notes.isEmpty() ? QCoreApplication::translate("ReportPages", "(none)")
                                    : report.run.notes);
    summary(pages, report);
    plot(pages, report);
    trials(pages, report);
    pages.finish();
}

} // namespace

std::optional<QString> ReportPages::paint(const LabReport &report, QPagedPaintDevice &device)
{
    const QString footer = QStringLiteral("%1 – %2").arg(report.programVersion, report.title());
    Pages count(device, nullptr, 0, footer);
    layOut(count, report);

    QPainter painter;
    if (!painter.begin(&device))
        return QCoreApplication::translate("ReportPages", "the pages could not be started");
    Pages pages(device, &painter, count.page(), footer);
    layOut(pages, report);
    if (!painter.end())
        return QCoreApplication::translate("ReportPages", "the pages could not be finished");
    return std::nullopt;
}

std::variant<QByteArray, QString> ReportPages::pdf(const LabReport &report, const QPageSize &paper)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(paper);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(report.title());
        writer.setCreator(report.programVersion);
        if (const auto why = paint(report, writer))
            return *why;
    }
    return bytes;
}
