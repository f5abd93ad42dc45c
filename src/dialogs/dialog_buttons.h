#pragma once

class QDialog;
class QDialogButtonBox;

namespace dvk {

// "OK" (the default button) and "Cancel" for `dialog`, named "ok" and "cancel", running its
// accept() and reject().
QDialogButtonBox* ok_cancel_buttons(QDialog* dialog);

} // namespace dvk
