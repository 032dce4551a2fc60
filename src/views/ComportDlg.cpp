// The port dialog.

// own
#include "views/ComportDlg.h"
#include "views/ViewTexts.h"

// Qt
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace
{
QString DeviceText(const SerialDevice& device)
{
    const QString path = QString::fromStdString(device.m_strNode);
    const std::string label = CSerialDevices::Label(device);
    return label.empty() ? path : QString::fromStdString(label) + QStringLiteral(", ") + path;
}

bool SameList(const std::vector<SerialDevice>& a, const std::vector<SerialDevice>& b)
{
    if (a.size() != b.size())
    {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i)
    {
        if (a[i].m_strNode != b[i].m_strNode || a[i].StablePath() != b[i].StablePath())
        {
            return false;
        }
    }
    return true;
}
} // namespace

CComportDlg::CComportDlg(int currentPort, QWidget* parent)
    : QDialog(parent), m_nCurrentPort(currentPort != 0 ? 1 : 0),
      m_pComport1(new QRadioButton(QString::fromLatin1(ViewText::kComport1), this)),
      m_pComport2(new QRadioButton(QString::fromLatin1(ViewText::kComport2), this))
{
    setWindowTitle(QString::fromLatin1(ViewText::kComportTitle));
    auto* group = new QButtonGroup(this);
    group->addButton(m_pComport1, 0);
    group->addButton(m_pComport2, 1);
    (currentPort != 0 ? m_pComport2 : m_pComport1)->setChecked(true);

    // There is no Cancel button: closing the window cancels.
    auto* ok = new QPushButton(QString::fromLatin1(ViewText::kOk), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });

    auto* choices = new QGridLayout;
    choices->addWidget(m_pComport1, 0, 0);
    choices->addWidget(m_pComport2, 1, 0);
    choices->setObjectName(QStringLiteral("choices"));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choices);
    layout->addSpacing(24);
    layout->addWidget(ok, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CComportDlg::CComportDlg(int currentPort, const std::string& device1, const std::string& device2,
                         QWidget* parent, const std::string& deviceRoot)
    : CComportDlg(currentPort, parent)
{
    m_devices = CSerialDevices(deviceRoot);
    m_strDevice1 = device1;
    m_strDevice2 = device2;
    m_pDevice1 = new QComboBox(this);
    m_pDevice2 = new QComboBox(this);
    m_pDevice1->setAccessibleName(QString::fromLatin1(ViewText::kComport1Device));
    m_pDevice2->setAccessibleName(QString::fromLatin1(ViewText::kComport2Device));
    m_pDevice1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_pDevice2->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* choices = findChild<QGridLayout*>(QStringLiteral("choices"));
    choices->addWidget(m_pDevice1, 0, 1);
    choices->addWidget(m_pDevice2, 1, 1);
    m_present = m_devices.Scan();
    FillDevices(m_pDevice1, device1);
    FillDevices(m_pDevice2, device2);

    // Once a second at most: reading sysfs is cheap, but a dialog has no
    // business waking the machine more often.
    m_pRescan = new QTimer(this);
    m_pRescan->setInterval(kRescanMs);
    connect(m_pRescan, &QTimer::timeout, this, [this] { RefreshDevices(); });
}

void CComportDlg::FillDevices(QComboBox* box, const std::string& keep) const
{
    box->clear();
    bool kept = false;
    for (const SerialDevice& device : m_present)
    {
        const std::string stable = device.StablePath();
        box->addItem(DeviceText(device), QString::fromStdString(stable));
        if (stable == keep)
        {
            box->setCurrentIndex(box->count() - 1);
            kept = true;
        }
    }
    if (!kept && !keep.empty())
    {
        // The device the port stands for stays on offer though absent (or a
        // pseudo-terminal the list does not show): OK then keeps it as it was.
        SerialDevice named;
        const bool there = m_devices.Describe(keep, named);
        QString text = QString::fromStdString(keep);
        if (!there)
        {
            text += QString::fromLatin1(ViewText::kDeviceAbsent);
        }
        else if (!CSerialDevices::Label(named).empty())
        {
            text =
                QString::fromStdString(CSerialDevices::Label(named)) + QStringLiteral(", ") + text;
        }
        box->insertItem(0, text, QString::fromStdString(keep));
        box->setCurrentIndex(0);
    }
}

void CComportDlg::RefreshDevices()
{
    if (!m_pDevice1)
    {
        return;
    }
    std::vector<SerialDevice> now = m_devices.Scan();
    if (SameList(now, m_present))
    {
        return;
    }
    m_present = std::move(now);
    const std::string keep1 = m_pDevice1->currentData().toString().toStdString();
    const std::string keep2 = m_pDevice2->currentData().toString().toStdString();
    FillDevices(m_pDevice1, keep1);
    FillDevices(m_pDevice2, keep2);
}

void CComportDlg::showEvent(QShowEvent* event)
{
    m_nPort = m_nCurrentPort;
    if (m_pRescan)
    {
        RefreshDevices();
        m_pRescan->start();
    }
    QDialog::showEvent(event);
}

void CComportDlg::hideEvent(QHideEvent* event)
{
    if (m_pRescan)
    {
        m_pRescan->stop();
    }
    QDialog::hideEvent(event);
}

void CComportDlg::OnOK()
{
    m_nPort = m_pComport2->isChecked() ? 1 : 0;
    if (m_pDevice1)
    {
        m_strDevice1 = m_pDevice1->currentData().toString().toStdString();
        m_strDevice2 = m_pDevice2->currentData().toString().toStdString();
    }
    accept();
}
