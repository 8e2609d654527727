#pragma once

#include "Opn.h"

#include <memory>

// The main window as the program builds it, with the program's application-wide
// settings (style, font, colours); the dialogs stay behind the test's seam.
std::unique_ptr<TForm1> makeTestWindow();
