// The OK / Cancel row that the program's small dialogs share.
#include "app/DialogButtons.h"

// own
#include "app/AppTexts.h"

// Qt
#include <QPushButton>

QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog, std::function<void()> onOk)
{
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok =
        buttons->addButton(QString::fromLatin1(AppText::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(QString::fromLatin1(AppText::kCancel), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, std::move(onOk));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}
