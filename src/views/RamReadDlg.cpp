// The RAM read dialog.

// own
#include "views/RamReadDlg.h"
#include "views/ViewTexts.h"

// ui
#include "ui/DialogButtons.h"
#include "ui/FormRows.h"
#include "ui/UiServices.h"

// link
#include "link/LinkTexts.h"

// Qt
#include <QLineEdit>
#include <QVBoxLayout>

CRamReadDlg::CRamReadDlg(IUiServices& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_pAddress(new CHexAddressBox(this, 0, kLastAddress)),
      m_pCount(new QLineEdit(this)), m_binder(ui)
{
    setWindowTitle(QString::fromLatin1(ViewText::kRamReadTitle));
    m_binder.Bind(m_pAddress->Edit(), m_strAddress);
    m_binder.Bind(m_pCount, m_nCount, ViewText::kEnterInteger);
    m_binder.WriteAll();

    CFormRows rows(this);
    rows.AddRow(ViewText::kReadAddress, m_pAddress);
    rows.AddRow(ViewText::kReadByte, m_pCount);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rows.Widget());
    layout->addWidget(MakeOkCancelButtons(*this, [this] { (void)OnOK(); }));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CRamReadDlg::OnOK()
{
    if (!m_binder.ReadAll())
    {
        return false;
    }
    const std::int64_t address = m_pAddress->LeadingValue();
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
