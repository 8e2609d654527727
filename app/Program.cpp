#include "Program.h"

#include "ErrorReporting.h"
#include "Opn.h"

#include <QApplication>

namespace renkalo {

int runProgram(QApplication &app, const std::function<std::unique_ptr<TForm1>()> &createWindow)
{
    std::unique_ptr<TForm1> window;
    try {
        window = createWindow();
        Form1 = window.get();
    } catch (...) {
        reportApplicationError(std::current_exception());
        return 1;
    }
    window->show();
    return app.exec();
}

} // namespace renkalo
