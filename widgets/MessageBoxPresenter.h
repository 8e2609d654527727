#pragma once

#include "Dialogs.h"

namespace renkalo {

// Shows a dialog request as a real modal box, centred on the screen.
DialogButton presentMessageBox(const DialogRequest &request);

} // namespace renkalo
