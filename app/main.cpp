#include "Application.h"
#include "Opn.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    renkalo::setUpApplication(app);
    return renkalo::runProgram(app, [] { return std::make_unique<TForm1>(); });
}
