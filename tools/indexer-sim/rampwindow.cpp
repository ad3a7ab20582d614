#include "rampwindow.h"

#include "indexersimulator.h"
#include "rampview.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QString blockText(SlidingBlock::State state)
{
    switch (state) {
    case SlidingBlock::State::Resting:
        return QStringLiteral("Block: at rest at the top");
    case SlidingBlock::State::Sliding:
        return QStringLiteral("Block: sliding");
    case SlidingBlock::State::Passed:
        return QStringLiteral("Block: passed the gate");
    case SlidingBlock::State::Stopped:
        return QStringLiteral("Block: stopped by friction");
    }
    return {};
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
    setWindowTitle(QStringLiteral("Tiltbench Virtual Ramp"));
    setObjectName(QStringLiteral("frmVirtualRamp"));

    picRamp = new RampView(this);
    picRamp->setObjectName(QStringLiteral("picRamp"));
    lblAngle = makeLabel("lblAngle", QStringLiteral("The ramp's angle to 0.1 degree"), this);
    lblSlipAngle = makeLabel("lblSlipAngle",
                             QStringLiteral("The ramp's angle when the block last slid, to 0.001 "
                                            "degree as the log has it"),
                             this);
    lblDeltaT = makeLabel("lblDeltaT", QStringLiteral("The photogate's last time"), this);
    lblBlock = makeLabel("lblBlock", QStringLiteral("Where the block is"), this);
    lblLine = makeLabel("lblLine",
                        QStringLiteral("Whether the program's line settings match the "
                                       "indexer's; while they differ, no command is understood"),
                        this);
    btnPlaceBlock = new QPushButton(QStringLiteral("&Place Block"), this);
    btnPlaceBlock->setObjectName(QStringLiteral("btnPlaceBlock"));
    btnPlaceBlock->setToolTip(QStringLiteral("Put the block back at the top of the ramp, at rest"));
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
    reserve(lblAngle, { QStringLiteral("Angle: 88.8°") });
    reserve(lblSlipAngle,
            { QStringLiteral("Slid at: 88.888°"), QStringLiteral("Slid at: not yet") });
    reserve(lblDeltaT,
            { QStringLiteral("Last ΔT: 8888.88 ms"), QStringLiteral("Last ΔT: none yet") });
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

    lblAngle->setText(QStringLiteral("Angle: %1°").arg(angle, 0, 'f', 1));
    const auto slipped = ramp.block().lastSlipAngle();
    lblSlipAngle->setText(slipped ? QStringLiteral("Slid at: %1°").arg(*slipped, 0, 'f', 3)
                                  : QStringLiteral("Slid at: not yet"));
    const auto deltaT = ramp.block().lastDeltaTMs();
    lblDeltaT->setText(deltaT ? QStringLiteral("Last ΔT: %1 ms").arg(*deltaT, 0, 'f', 2)
                              : QStringLiteral("Last ΔT: none yet"));
    lblBlock->setText(blockText(state));
    const QString indexer = m_simulator.indexerLine().toText();
    const auto &program = m_simulator.programLine();
    lblLine->setText(m_simulator.lineMatches()
                         ? QStringLiteral("Line: %1, as the indexer's").arg(indexer)
                         : QStringLiteral("Line mismatch: the program set %1, the indexer uses %2")
                               .arg(program->toText(), indexer));
}
