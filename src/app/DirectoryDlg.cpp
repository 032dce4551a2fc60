// The Directory dialog.

// own
#include "app/DirectoryDlg.h"
#include "app/AppTexts.h"
#include "ui/DialogButtons.h"
#include "ui/UiServices.h"

// Qt
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

// std
#include <unistd.h>

CDirectoryDlg::CDirectoryDlg(IUiServices& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_pDirectory(new QLineEdit(this))
{
    setWindowTitle(QString::fromLatin1(AppText::kDirectoryTitle));
    auto* label = new QLabel(QString::fromLatin1(AppText::kDirectoryName), this);
    label->setBuddy(m_pDirectory);
    m_pDirectory->setMinimumWidth(300);

    auto* buttons = MakeOkCancelButtons(*this, [this] { OnOK(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_pDirectory);
    layout->addWidget(buttons);
}

bool CDirectoryDlg::OnOK()
{
    const std::string path = m_pDirectory->text().toStdString();
    if (::chdir(path.c_str()) != 0)
    {
        m_ui.ShowMessage(AppText::kDirectoryNameError, MessageIcon::Warning);
        return false;
    }
    accept();
    return true;
}
