#include "TestWindow.h"

#include "Application.h"
#include "Dialogs.h"

#include <QApplication>

std::unique_ptr<TForm1> makeTestWindow()
{
    static bool setUp = false;
    if (!setUp) {
        renkalo::setUpApplication(*qApp);
        renkalo::Dialogs::setPresenter({});
        setUp = true;
    }
    auto window = std::make_unique<TForm1>();
    Form1 = window.get();
    return window;
}
