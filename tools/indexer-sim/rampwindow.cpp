#include "rampwindow.h"

#include "indexersimulator.h"
#include "rampview.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {

// A number as the user's locale writes it, without digit grouping, which would make the English
// texts differ from the log's.
QString decimal(double value, int places)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', places);
}

QLabel *makeLabel(const char *name, const QString &description, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleDescription(description);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

} // namespace

RampWindow::RampWindow(IndexerSimulator &simulator, QWidget *parent)
    : QWidget(parent)
    , m_simulator(simulator)
{
    setWindowTitle(tr("Tiltbench Virtual Ramp"));
    setObjectName(QStringLiteral("frmVirtualRamp"));

    picRamp = new RampView(this);
    picRamp->setObjectName(QStringLiteral("picRamp"));
    lblAngle = makeLabel("lblAngle", tr("The ramp's angle to 0.1 degree"), this);
    lblSlipAngle = makeLabel("lblSlipAngle",
                             tr("The ramp's angle when the block last slid, to 0.001 degree as "
                                "the log has it"),
                             this);
    lblDeltaT = makeLabel("lblDeltaT", tr("The photogate's last time"), this);
    lblBlock = makeLabel("lblBlock", tr("Where the block is"), this);
    lblLine = makeLabel("lblLine",
                        tr("Whether the program's line settings match the indexer's; while they "
                           "differ, no command is understood"),
                        this);
    btnPlaceBlock = new QPushButton(tr("&Place Block"), this);
    btnPlaceBlock->setObjectName(QStringLiteral("btnPlaceBlock"));
    btnPlaceBlock->setToolTip(tr("Put the block back at the top of the ramp, at rest"));
    btnPlaceBlock->setAccessibleDescription(btnPlaceBlock->toolTip());

    // Each value has room for its widest text from the start, so that none pushes the window
    // wider when it changes.
    const auto reserve = [](QLabel *label, const QStringList &widest) {
        int width = 0;
        // The bounding box, which may reach a pixel past the advance where a glyph overhangs.
        for (const QString &text : widest)
            width = qMax(width, label->fontMetrics().boundingRect(QRect(), 0, text).width() + 1);
        label->setMinimumWidth(width);
    };
    reserve(lblAngle, { angleText(88.8) });
    reserve(lblSlipAngle, { slipAngleText(88.888), slipAngleText(std::nullopt) });
    reserve(lblDeltaT, { deltaTText(8888.88), deltaTText(std::nullopt) });
    QStringList blocks;
    for (const auto state : { SlidingBlock::State::Resting, SlidingBlock::State::Sliding,
                              SlidingBlock::State::Passed, SlidingBlock::State::Stopped })
        blocks << blockText(state);
    reserve(lblBlock, blocks);
    // A mismatch message is longer than a match: it wraps into the room kept for it.
    lblLine->setWordWrap(true);
    lblLine->setMinimumHeight(2 * lblLine->fontMetrics().lineSpacing());
    lblLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *layout = new QGridLayout(this);
    layout->addWidget(picRamp, 0, 0, 1, 3);
    layout->addWidget(lblAngle, 1, 0);
    layout->addWidget(lblSlipAngle, 1, 1);
    layout->addWidget(lblDeltaT, 1, 2);
    layout->addWidget(lblBlock, 2, 0, 1, 2);
    layout->addWidget(btnPlaceBlock, 2, 2, Qt::AlignRight);
    layout->addWidget(lblLine, 3, 0, 1, 3);
    layout->setRowStretch(0, 1);

    connect(btnPlaceBlock, &QPushButton::clicked, this, &RampWindow::btnPlaceBlock_Click);
    connect(&m_simulator, &IndexerSimulator::changed, this, &RampWindow::refresh);
    refresh();
}

QString RampWindow::blockText(SlidingBlock::State state)
{
    switch (state) {
    case SlidingBlock::State::Resting:
        return tr("Block: at rest at the top");
    case SlidingBlock::State::Sliding:
        return tr("Block: sliding");
    case SlidingBlock::State::Passed:
        return tr("Block: passed the gate");
    case SlidingBlock::State::Stopped:
        return tr("Block: stopped by friction");
    }
    return {};
}

QString RampWindow::angleText(double angle)
{
    //: The ramp's angle now, in degrees.
    return tr("Angle: %1°").arg(decimal(angle, 1));
}

QString RampWindow::slipAngleText(std::optional<double> angle)
{
    if (!angle) {
        //: The block has not slid yet.
        return tr("Slid at: not yet");
    }
    //: The ramp's angle in degrees when the block last slid.
    return tr("Slid at: %1°").arg(decimal(*angle, 3));
}

QString RampWindow::deltaTText(std::optional<double> ms)
{
    if (!ms) {
        //: No time from the photogate yet.
        return tr("Last ΔT: none yet");
    }
    //: The photogate's last time.
    return tr("Last ΔT: %1 ms").arg(decimal(*ms, 2));
}

void RampWindow::btnPlaceBlock_Click()
{
    m_simulator.placeBlock();
}

void RampWindow::refresh()
{
    const VirtualRamp &ramp = m_simulator.ramp();
    const double angle = ramp.angle(m_simulator.now());
    const SlidingBlock::State state = ramp.block().state();
    picRamp->show(angle, ramp.indexer().ramp().maxAngle, state);

    lblAngle->setText(angleText(angle));
    lblSlipAngle->setText(slipAngleText(ramp.block().lastSlipAngle()));
    lblDeltaT->setText(deltaTText(ramp.block().lastDeltaTMs()));
    lblBlock->setText(blockText(state));
    const QString indexer = m_simulator.indexerLine().toText();
    const auto &program = m_simulator.programLine();
    lblLine->setText(m_simulator.lineMatches()
                         //: The line settings, such as 9600,n,8,1.
                         ? tr("Line: %1, as the indexer's").arg(indexer)
                         : tr("Line mismatch: the program set %1, the indexer uses %2")
                               .arg(program->toText(), indexer));
}
