// The Manual form.

// own
#include "views/ManualView.h"
#include "views/ViewTexts.h"

// ui
#include "ui/CommandIds.h"
#include "ui/BitRow.h"
#include "ui/FormRows.h"
#include "ui/HexAddressBox.h"
#include "ui/OptionList.h"
#include "ui/UiServices.h"

// model
#include "model/TextReaders.h"

// Qt
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// std
#include <algorithm>

CManualView::CManualView(IViewHost& host, QWidget* parent)
    : CVesk4View(host, VIEW_MANUAL, parent), m_pAddress(new CHexAddressBox(this, 0, kLastAddress)),
      m_pDecision(new QPushButton(QString::fromLatin1(ViewText::kDecision), this)),
      m_pHex(new QLineEdit(this)), m_pBits(new CBitRow(this, ViewText::kBitCaption)),
      m_pOk(new QPushButton(QString::fromLatin1(ViewText::kOk), this)),
      m_pCancel(new QPushButton(QString::fromLatin1(ViewText::kCancelCaps), this))
{
    m_pAddress->Edit()->setMaxLength(4);
    m_pHex->setMaxLength(2);
    m_binder.Bind(m_pAddress->Edit(), m_strAddress);
    m_binder.Bind(m_pHex, m_strHex);
    m_binder.Bind<std::array<int, 8>>(
        m_nBitSel,
        [this](std::array<int, 8>& bits)
        {
            for (int bit = 0; bit < CBitRow::kBits; ++bit)
            {
                bits[static_cast<std::size_t>(bit)] = m_pBits->BitList(bit)->Value();
            }
            return true;
        },
        [this](const std::array<int, 8>& bits)
        {
            for (int bit = 0; bit < CBitRow::kBits; ++bit)
            {
                m_pBits->BitList(bit)->SetValue(bits[static_cast<std::size_t>(bit)]);
            }
        },
        [this] { return m_pBits; }, nullptr);
    BuildLayout();

    connect(m_pDecision, &QPushButton::clicked, this, [this] { (void)ShowByte(); });
    connect(m_pCancel, &QPushButton::clicked, this, [this] { (void)ShowByte(); });
    connect(m_pOk, &QPushButton::clicked, this, [this] { (void)WriteByte(); });
    connect(m_pAddress, &CHexAddressBox::Stepped, this, [this] { OnAddressStepped(); });
    // Only what the user does changes the mode; the form showing a byte does not.
    connect(m_pHex, &QLineEdit::textEdited, this, [this] { m_nEditMode = kEditHex; });
    connect(m_pBits, &CBitRow::Changed, this, [this] { m_nEditMode = kEditBits; });
}

void CManualView::BuildLayout()
{
    m_pAddress->setFixedWidth(90);
    m_pHex->setFixedWidth(40);

    CFormRows address(this);
    address.AddRow(ViewText::kEepromAddress, m_pAddress);
    address.AddToRow(nullptr, m_pDecision, ViewText::kDecision);

    CFormRows data(this, ViewText::kEepromData);
    data.Grid()->setVerticalSpacing(12);
    data.AddRow(ViewText::kHex, m_pHex);
    data.AddRow(ViewText::kBinary, m_pBits);
    data.AddRow("", nullptr);
    data.AddToRow(nullptr, m_pOk, ViewText::kOk);
    data.AddToRow(nullptr, m_pCancel, ViewText::kCancelCaps);

    auto* warning = new QLabel(QString::fromLatin1(ViewText::kWarning), this);
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
    auto* warningText = new QLabel(QString::fromLatin1(ViewText::kWarningText), this);
    warningText->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 28, 32, 24);
    layout->setSpacing(18);
    layout->addWidget(address.Widget());
    layout->addWidget(data.Widget());
    layout->addWidget(warning);
    layout->addWidget(warningText);
    layout->addStretch(1);
}

void CManualView::RefreshForm()
{
    m_nEditMode = kEditNone;
    m_strAddress = std::string("0");
    m_strHex.clear();
    m_nBitSel.fill(-1);
    m_binder.WriteAll();
}

bool CManualView::ReadAddress(std::int64_t& addressOut)
{
    // The whole text must be the address: "1g" is refused rather than taken
    // as 1, so a byte is never read or written anywhere but where typed.
    std::uint32_t address = 0;
    if (!ReadHex(m_pAddress->Edit()->text().toStdString(), address))
    {
        Ui().ShowMessage(ViewText::kHexAddressError, MessageIcon::Warning);
        m_pAddress->setFocus();
        return false;
    }
    addressOut = address;
    return true;
}

bool CManualView::ShowByte()
{
    std::int64_t address = 0;
    if (!ReadAddress(address) || !ReadForm())
    {
        return false;
    }
    if (address > kLastAddress)
    {
        Ui().ShowMessage(ViewText::kHexAddressError, MessageIcon::Warning);
        m_pAddress->setFocus();
        return false;
    }
    std::uint8_t byte = 0;
    if (!m_image.ReadBlock(&byte, static_cast<std::uint32_t>(address), 1))
    {
        return false;
    }
    for (int bit = 0; bit < CBitRow::kBits; ++bit)
    {
        m_nBitSel[static_cast<std::size_t>(bit)] = (byte >> bit) & 1;
    }
    m_strHex = QString::number(byte, 16).toStdString();
    // The two entries agree again, so neither has been changed since.
    m_nEditMode = kEditNone;
    m_binder.WriteAll();
    return true;
}

void CManualView::OnAddressStepped()
{
    // The value controls follow the address, so OK (or one bit flipped) never
    // writes the bits of the address left into the one stepped to.
    (void)ShowByte();
}

bool CManualView::WriteByte()
{
    if (!ReadForm())
    {
        return false;
    }
    std::int64_t address = 0;
    if (!ReadAddress(address))
    {
        return false;
    }
    int value = 0;
    if (m_nEditMode == kEditBits)
    {
        // A list still empty (nothing shown yet) is no bit of the byte.
        for (int bit = 0; bit < CBitRow::kBits; ++bit)
        {
            const int sel = m_nBitSel[static_cast<std::size_t>(bit)];
            if (sel < 0)
            {
                Ui().ShowMessage(ViewText::kHexDataError, MessageIcon::Warning);
                m_pBits->BitList(bit)->setFocus();
                return false;
            }
            value |= sel << bit;
        }
    }
    else
    {
        std::uint32_t hex = 0;
        if (!ReadHex(m_strHex, hex))
        {
            Ui().ShowMessage(ViewText::kHexDataError, MessageIcon::Warning);
            m_pHex->setFocus();
            return false;
        }
        value = static_cast<int>(hex & 0xFF);
    }
    if (address > kLastAddress)
    {
        Ui().ShowMessage(ViewText::kSetAddressErrorManual, MessageIcon::Warning);
        m_pAddress->setFocus();
        return false;
    }
    const auto byte = static_cast<std::uint8_t>(value);
    if (!m_image.WriteBlock(&byte, static_cast<std::uint32_t>(address), 1))
    {
        return false;
    }
    m_pAddress->SetValue(std::min<std::int64_t>(address + 1, kLastAddress));
    (void)ShowByte();
    return true;
}
