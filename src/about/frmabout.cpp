#include "frmabout.h"

#include "appinfo.h"
#include "twipslayout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

// Client area and where it opens, from the top left of the screen.
constexpr int kClientWidth = 5730;
constexpr int kClientHeight = 3930;
constexpr int kClientLeft = 2340;
constexpr int kClientTop = 1935;

// The etched rule under the text block: a grey line with a white one just below it.
struct RuleLine
{
    int x1;
    int x2;
};
constexpr int kRuleTop = 2682;
constexpr RuleLine kGreyLine { 96, 5660 };
constexpr RuleLine kWhiteLine { 108, 5657 };

QLabel *makeLabel(QWidget *parent, const char *name, const TwipsRect &place, const QString &text,
                  bool twoLines = false)
{
    auto *label = TwipsLayout::make<QLabel>(parent, name, place);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(twoLines);
    return label;
}

void setBlackText(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

} // namespace

frmAbout::frmAbout(Registry &registry, FileChecks &files, ProgramStarter &programs,
                   MessageBoxes &boxes, SysInfoTools &tools, QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                  | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_launcher(registry, files, programs, boxes, tools)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setWindowIcon(AppInfo::windowIcon());

    // Created in the designer's order, which is also the tab order: the icon takes no focus, so
    // the box opens with the focus on OK.
    picIcon = TwipsLayout::make<QLabel>(this, "picIcon", { 240, 240, 540, 540 });
    picIcon->setFocusPolicy(Qt::NoFocus);
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setPixmap(AppInfo::windowIcon().pixmap(QSize(32, 32)));
    picIcon->setAccessibleDescription(tr("Program icon"));

    cmdOK = TwipsLayout::make<QPushButton>(this, "cmdOK", { 4245, 2985, 1260, 345 }, tr("OK"));
    cmdOK->setDefault(true);
    cmdSysInfo = TwipsLayout::make<QPushButton>(this, "cmdSysInfo", { 4260, 3435, 1245, 345 },
                                                tr("&System Info..."));
    cmdSysInfo->setAccessibleDescription(
        tr("Starts the operating system's system information tool"));

    lblThanks
        = makeLabel(this, "lblThanks", { 240, 2880, 3855, 615 },
                    tr("Built with Qt %1 and C++20.").arg(QStringLiteral(QT_VERSION_STR)), true);
    lblNames = makeLabel(this, "lblNames", { 1080, 2040, 4092, 492 },
                         tr("Drives the ramp's stepper motor and computes friction coefficients."),
                         true);
    lblTeam = makeLabel(this, "lblTeam", { 1080, 1680, 4092, 252 },
                        tr("Made for the tilting-ramp friction lab."));
    lblDescription = makeLabel(this, "lblDescription", { 1080, 1080, 4092, 492 },
                               tr("This lab helps students to learn the basic concepts "
                                  "of friction through experimentation."),
                               true);
    setBlackText(lblDescription);
    lblTitle = makeLabel(this, "lblTitle", { 1080, 240, 4092, 252 }, QString());
    setBlackText(lblTitle);
    lblVersion = makeLabel(this, "lblVersion", { 1080, 600, 4092, 252 }, QString());
    lblDisclaimer = makeLabel(this, "lblDisclaimer", { 240, 3600, 3870, 225 },
                              tr("Provided as is, without warranty of any kind."));
    setBlackText(lblDisclaimer);

    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    const QSize client = TwipsLayout::toPixels(kClientWidth, kClientHeight);
    setFixedSize(client);
    // The box opens at its own place rather than centred over the main window. For a top-level
    // widget the geometry is that of the client area, which is what the place refers to.
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    setGeometry(QRect(
        origin + QPoint(TwipsLayout::toPixels(kClientLeft), TwipsLayout::toPixels(kClientTop)),
        client));

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::StartSysInfo()
{
    m_launcher.StartSysInfo(this);
}

bool frmAbout::GetKeyValue(Registry::Root KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                           QString &KeyVal)
{
    return m_launcher.GetKeyValue(KeyRoot, KeyName, SubKeyRef, KeyVal);
}

void frmAbout::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        Form_Load();
    QDialog::showEvent(event);
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    const int greyY = TwipsLayout::toPixels(kRuleTop);
    const int greyX = TwipsLayout::toPixels(kGreyLine.x1);
    painter.fillRect(
        QRect(QPoint(greyX, greyY), QPoint(TwipsLayout::toPixels(kGreyLine.x2), greyY)),
        QColor(128, 128, 128));
    // The white line lies directly below the grey one whatever the scale, or the rule would not
    // look etched.
    const int whiteX = TwipsLayout::toPixels(kWhiteLine.x1);
    painter.fillRect(
        QRect(QPoint(whiteX, greyY + 1), QPoint(TwipsLayout::toPixels(kWhiteLine.x2), greyY + 2)),
        QColor(255, 255, 255));
}

void frmAbout::Form_Load()
{
    //: The About box's title; %1 is the program's name.
    setWindowTitle(tr("About %1").arg(AppInfo::title()));
    lblVersion->setText(tr("Version %1").arg(AppInfo::versionText()));
    lblTitle->setText(AppInfo::title());
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}
