// The RAM write dialog.

// own
#include "views/RamWriteDlg.h"
#include "views/ViewTexts.h"

// ui
#include "ui/DialogButtons.h"
#include "ui/FormRows.h"
#include "ui/UiServices.h"

// link
#include "link/LinkTexts.h"
#include "link/RamRules.h"

// model
#include "model/TextReaders.h"

// Qt
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CRamWriteDlg::CRamWriteDlg(IUiServices& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui),
      m_pAddress(new CHexAddressBox(this, CRamRules::kWriteFirst, CRamRules::kWriteLast)),
      m_pCountList(new COptionList(this, {})), m_binder(ui)
{
    setWindowTitle(QString::fromLatin1(ViewText::kRamWriteTitle));
    for (int count = 1; count <= kMaxCount; ++count)
    {
        m_pCountList->addItem(QString::number(count));
    }
    m_binder.Bind(m_pAddress->Edit(), m_strAddress);
    m_binder.Bind(m_pCountList, m_nCountIndex);
    m_binder.WriteAll();
    connect(m_pCountList, &COptionList::Chosen, this, [this] { EnableDataFields(); });

    CFormRows rows(this);
    rows.AddRow(ViewText::kWriteAddress, m_pAddress);
    rows.AddRow(ViewText::kWriteByte, m_pCountList);
    // The data fields stand in numbered columns under one caption.
    auto* data = new QGridLayout;
    for (int i = 0; i < kMaxCount; ++i)
    {
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(2);
        edit->setFixedWidth(32);
        CFormRows::Name(edit, QString::fromLatin1(ViewText::kWriteDataName).arg(i + 1));
        m_pData[static_cast<std::size_t>(i)] = edit;
        data->addWidget(new QLabel(QString::number(i + 1), this), 0, i, Qt::AlignHCenter);
        data->addWidget(edit, 1, i);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rows.Widget());
    layout->addWidget(new QLabel(QString::fromLatin1(ViewText::kWriteData), this));
    layout->addLayout(data);
    layout->addWidget(MakeOkCancelButtons(*this, [this] { (void)OnOK(); }));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    EnableDataFields();
}

void CRamWriteDlg::EnableDataFields()
{
    const std::int64_t address = m_pAddress->LeadingValue();
    int count = m_pCountList->Value() + 1;
    // Near the top of the writable area fewer bytes fit; above it OK refuses
    // the address anyway, so the selection is left as it is.
    if (address > static_cast<std::int64_t>(CRamRules::kWriteLast) - (kMaxCount - 1) &&
        address <= static_cast<std::int64_t>(CRamRules::kWriteLast))
    {
        const int fits = static_cast<int>(CRamRules::kWriteLast - address + 1);
        if (count > fits)
        {
            count = fits;
            m_pCountList->SetValue(count - 1);
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
    if (!m_binder.ReadAll())
    {
        return false;
    }
    const auto count = static_cast<std::uint32_t>(m_nCountIndex + 1);
    // Only hexadecimal digits, nothing before or after them, and only where
    // the radio takes writes.
    std::uint32_t address = 0;
    if (!ReadHex(m_strAddress, address) || address > CRamRules::kWriteLast ||
        CRamRules::CheckWrite(address, count) != nullptr)
    {
        m_ui.ShowMessage(kHexAddressErrorText, MessageIcon::Warning);
        m_pAddress->setFocus();
        return false;
    }
    std::array<std::uint8_t, kMaxCount> data{};
    for (std::uint32_t i = 0; i < count; ++i)
    {
        QLineEdit* edit = m_pData[i];
        std::uint32_t value = 0;
        if (!ReadHex(edit->text().toStdString(), value))
        {
            m_ui.ShowMessage(kHexDataErrorText, MessageIcon::Warning);
            edit->setFocus();
            return false;
        }
        data[i] = static_cast<std::uint8_t>(value);
    }
    m_nAddress = address;
    m_nCount = count;
    m_data = data;
    accept();
    return true;
}
