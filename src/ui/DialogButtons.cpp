// The OK / Cancel row that the program's small dialogs share.
#include "ui/DialogButtons.h"

// own
#include "ui/UiTexts.h"

// Qt
#include <QPushButton>

QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog, std::function<void()> onOk)
{
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok =
        buttons->addButton(QString::fromLatin1(UiText::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(QString::fromLatin1(UiText::kCancel), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, std::move(onOk));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}
