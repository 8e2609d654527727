#pragma once

class QApplication;

namespace renkalo {

// The application-wide settings: style and colours, the window font, the icon, the
// hint timing, and the real dialogs behind the dialog seam.
void setUpApplication(QApplication &app);

} // namespace renkalo
