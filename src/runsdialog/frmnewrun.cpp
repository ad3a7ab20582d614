#include "frmnewrun.h"

#include "appinfo.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmNewRun::frmNewRun(const QString &suggestedName, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmNewRun"));
    setWindowTitle(tr("%1 - New Run").arg(AppInfo::title()));

    txtRunName = new QLineEdit(suggestedName, this);
    txtRunName->setObjectName(QStringLiteral("txtRunName"));
    txtRunName->setAccessibleName(tr("Name:"));
    txtRunName->setToolTip(tr("The group or session the next trials belong to"));
    txtRunName->selectAll();
    txtRunNotes = new QLineEdit(this);
    txtRunNotes->setObjectName(QStringLiteral("txtRunNotes"));
    txtRunNotes->setAccessibleName(tr("Notes:"));
    txtRunNotes->setToolTip(tr("Who measured, the ramp, anything worth keeping"));

    auto *form = new QFormLayout;
    auto *lblName = new QLabel(tr("&Name:"), this);
    lblName->setBuddy(txtRunName);
    auto *lblNotes = new QLabel(tr("N&otes:"), this);
    lblNotes->setBuddy(txtRunNotes);
    form->addRow(lblName, txtRunName);
    form->addRow(lblNotes, txtRunNotes);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 50);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A run needs a name: OK waits for one.
    connect(txtRunName, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
    });
}

QString frmNewRun::name() const
{
    return txtRunName->text().trimmed();
}

QString frmNewRun::notes() const
{
    return txtRunNotes->text();
}
