#pragma once

#include <functional>
#include <memory>

class QApplication;
class TForm1;

namespace renkalo {

// Creates the main window and runs the message loop. An error that escapes the
// window's creation is shown in the "Application Error" box and gives exit code 1.
int runProgram(QApplication &app, const std::function<std::unique_ptr<TForm1>()> &createWindow);

} // namespace renkalo
