// The OK / Cancel row that the program's small dialogs share.
#pragma once

// Qt
#include <QDialog>
#include <QDialogButtonBox>

// std
#include <functional>

// Adds "OK" (the default button, which runs onOk so the dialog can check its
// fields before it closes itself) and "Cancel" (which rejects the dialog).
QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog, std::function<void()> onOk);
