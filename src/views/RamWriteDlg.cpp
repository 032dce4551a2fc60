// The RAM write dialog.

// own
#include "views/RamWriteDlg.h"
#include "ui/SpinButton.h"
#include "views/ViewTexts.h"

// ui
#include "ui/DialogButtons.h"
#include "ui/UiServices.h"

// link
#include "link/LinkTexts.h"
#include "link/RamRules.h"

// Qt
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

// std
#include <algorithm>
#include <cctype>
#include <cstdio>

namespace
{
// Non-empty and nothing but hexadecimal digits.
bool IsHexDigits(const std::string& text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}
} // namespace

CRamWriteDlg::CRamWriteDlg(IUiServices& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_pAddress(new QLineEdit(this)), m_pSpin(new CSpinButton(this)),
      m_pCountList(new QComboBox(this))
{
    setWindowTitle(QString::fromLatin1(ViewText::kRamWriteTitle));
    m_pAddress->setText(QString::fromStdString(m_strAddress));
    for (int count = 1; count <= kMaxCount; ++count)
    {
        m_pCountList->addItem(QString::number(count));
    }
    m_pCountList->setCurrentIndex(m_nCountIndex);
    connect(m_pSpin, &CSpinButton::Stepped, this,
            [this](int direction) { OnAddressSpin(direction); });
    connect(m_pCountList, &QComboBox::activated, this, [this] { EnableDataFields(); });

    auto* address = new QHBoxLayout;
    address->setSpacing(0);
    address->addWidget(m_pAddress);
    address->addWidget(m_pSpin);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QString::fromLatin1(ViewText::kWriteAddress), this), 0, 0);
    grid->addLayout(address, 0, 1);
    grid->addWidget(new QLabel(QString::fromLatin1(ViewText::kWriteByte), this), 1, 0);
    grid->addWidget(m_pCountList, 1, 1);

    auto* data = new QHBoxLayout;
    for (int i = 0; i < kMaxCount; ++i)
    {
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(2);
        edit->setFixedWidth(32);
        m_pData[static_cast<std::size_t>(i)] = edit;
        auto* column = new QVBoxLayout;
        column->addWidget(new QLabel(QString::number(i + 1), this), 0, Qt::AlignHCenter);
        column->addWidget(edit);
        data->addLayout(column);
    }

    auto* buttons = MakeOkCancelButtons(*this, [this] { OnOK(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QString::fromLatin1(ViewText::kWriteData), this));
    layout->addLayout(data);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    EnableDataFields();
}

void CRamWriteDlg::OnAddressSpin(int direction)
{
    const std::int64_t address = CRamRules::ReadHexLeading(m_pAddress->text().toStdString());
    const std::int64_t stepped = std::clamp<std::int64_t>(
        address + direction, CRamRules::kWriteFirst, CRamRules::kWriteLast);
    char text[24];
    std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(stepped));
    m_pAddress->setText(QString::fromLatin1(text));
}

void CRamWriteDlg::EnableDataFields()
{
    const std::int64_t address = CRamRules::ReadHexLeading(m_pAddress->text().toStdString());
    int count = m_pCountList->currentIndex() + 1;
    // Near the top of the writable area fewer bytes fit; above it OK refuses
    // the address anyway, so the selection is left as it is.
    if (address > static_cast<std::int64_t>(CRamRules::kWriteLast) - (kMaxCount - 1) &&
        address <= static_cast<std::int64_t>(CRamRules::kWriteLast))
    {
        const int fits = static_cast<int>(CRamRules::kWriteLast - address + 1);
        if (count > fits)
        {
            count = fits;
            m_pCountList->setCurrentIndex(count - 1);
        }
    }
    m_nCountIndex = count - 1;
    for (int i = 0; i < kMaxCount; ++i)
    {
        m_pData[static_cast<std::size_t>(i)]->setEnabled(i < count);
    }
}

bool CRamWriteDlg::OnOK()
{
    m_strAddress = m_pAddress->text().toStdString();
    m_nCountIndex = m_pCountList->currentIndex();
    const auto count = static_cast<std::uint32_t>(m_nCountIndex + 1);
    if (!IsHexDigits(m_strAddress))
    {
        m_ui.ShowMessage(kHexAddressErrorText, MessageIcon::Warning);
        m_pAddress->setFocus();
        return false;
    }
    const std::int64_t address = CRamRules::ReadHexLeading(m_strAddress);
    if (address < 0 || address > CRamRules::kWriteLast ||
        CRamRules::CheckWrite(static_cast<std::uint32_t>(address), count) != nullptr)
    {
        m_ui.ShowMessage(kHexAddressErrorText, MessageIcon::Warning);
        m_pAddress->setFocus();
        return false;
    }
    std::array<std::uint8_t, kMaxCount> data{};
    for (std::uint32_t i = 0; i < count; ++i)
    {
        QLineEdit* edit = m_pData[i];
        const std::string text = edit->text().toStdString();
        if (!IsHexDigits(text))
        {
            m_ui.ShowMessage(kHexDataErrorText, MessageIcon::Warning);
            edit->setFocus();
            return false;
        }
        data[i] = static_cast<std::uint8_t>(CRamRules::ReadHexLeading(text));
    }
    m_nAddress = static_cast<std::uint32_t>(address);
    m_nCount = count;
    m_data = data;
    accept();
    return true;
}
