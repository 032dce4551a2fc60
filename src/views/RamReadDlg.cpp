// The RAM read dialog.

// own
#include "views/RamReadDlg.h"
#include "ui/SpinButton.h"
#include "views/ViewTexts.h"

// ui
#include "ui/DialogButtons.h"
#include "ui/UiServices.h"

// link
#include "link/LinkTexts.h"
#include "link/RamRules.h"

// Qt
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

// std
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>

namespace
{
// A whole decimal number with blanks around it allowed, as an integer field
// takes it; false for anything else (an empty box included).
bool ReadInteger(const std::string& text, int& valueOut)
{
    std::size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    long long value = 0;
    std::size_t digits = 0;
    for (; pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])); ++pos)
    {
        value = std::min<long long>(value * 10 + (text[pos] - '0'), 1LL << 40);
        ++digits;
    }
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    if (digits == 0 || pos != text.size())
        return false;
    value = negative ? -value : value;
    if (value < INT_MIN || value > INT_MAX)
        return false;
    valueOut = static_cast<int>(value);
    return true;
}

QString HexText(std::int64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(value));
    return QString::fromLatin1(text);
}
} // namespace

CRamReadDlg::CRamReadDlg(IUiServices& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_pAddress(new QLineEdit(this)), m_pSpin(new CSpinButton(this)),
      m_pCount(new QLineEdit(this))
{
    setWindowTitle(QString::fromLatin1(ViewText::kRamReadTitle));
    m_pAddress->setText(QString::fromStdString(m_strAddress));
    m_pCount->setText(QString::number(m_nCount));
    connect(m_pSpin, &CSpinButton::Stepped, this,
            [this](int direction) { OnAddressSpin(direction); });

    auto* addressLabel = new QLabel(QString::fromLatin1(ViewText::kReadAddress), this);
    addressLabel->setBuddy(m_pAddress);
    auto* countLabel = new QLabel(QString::fromLatin1(ViewText::kReadByte), this);
    countLabel->setBuddy(m_pCount);
    auto* address = new QHBoxLayout;
    address->setSpacing(0);
    address->addWidget(m_pAddress);
    address->addWidget(m_pSpin);

    auto* buttons = MakeOkCancelButtons(*this, [this] { OnOK(); });

    auto* grid = new QGridLayout;
    grid->addWidget(addressLabel, 0, 0);
    grid->addLayout(address, 0, 1);
    grid->addWidget(countLabel, 1, 0);
    grid->addWidget(m_pCount, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CRamReadDlg::OnAddressSpin(int direction)
{
    const std::int64_t address = CRamRules::ReadHexLeading(m_pAddress->text().toStdString());
    m_pAddress->setText(HexText(std::clamp<std::int64_t>(address + direction, 0, kLastAddress)));
}

bool CRamReadDlg::OnOK()
{
    m_strAddress = m_pAddress->text().toStdString();
    int count = 0;
    if (!ReadInteger(m_pCount->text().toStdString(), count))
    {
        m_ui.ShowMessage(ViewText::kEnterInteger, MessageIcon::Warning);
        m_pCount->setFocus();
        m_pCount->selectAll();
        return false;
    }
    m_nCount = count;

    const std::int64_t address = CRamRules::ReadHexLeading(m_strAddress);
    if (address < 0 || address > kLastAddress)
    {
        m_ui.ShowMessage(kSetAddressErrorText, MessageIcon::Warning);
        m_pAddress->setFocus();
        return false;
    }
    m_nAddress = static_cast<std::int32_t>(address);
    // Both checks speak for themselves, so a request that fails both hears it twice.
    bool refused = false;
    if (address + m_nCount > kAddressLimit)
    {
        m_ui.ShowMessage(kSetByteErrorText, MessageIcon::Warning);
        refused = true;
    }
    if (m_nCount < 0 || m_nCount > kMaxCount)
    {
        m_ui.ShowMessage(kSetByteErrorText, MessageIcon::Warning);
        refused = true;
    }
    if (refused)
    {
        m_pCount->setFocus();
        return false;
    }
    accept();
    return true;
}
