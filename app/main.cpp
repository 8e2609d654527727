#include "Application.h"
#include "ErrorReporting.h"
#include "Opn.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    renkalo::setUpApplication(app);

    std::unique_ptr<TForm1> window;
    try {
        window = std::make_unique<TForm1>();
        Form1 = window.get();
    } catch (...) {
        renkalo::reportApplicationError(std::current_exception());
        return 1;
    }
    window->show();
    return app.exec();
}
