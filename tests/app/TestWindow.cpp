#include "TestWindow.h"

#include "Application.h"
#include "Dialogs.h"

#include <QApplication>

std::unique_ptr<TForm1> makeTestWindow()
{
    static bool setUp = false;
    if (!setUp) {
        // Keep the test's own answers, not the real boxes the program installs.
        renkalo::DialogPresenter tests = renkalo::Dialogs::setPresenter({});
        renkalo::setUpApplication(*qApp);
        renkalo::Dialogs::setPresenter(std::move(tests));
        setUp = true;
    }
    auto window = std::make_unique<TForm1>();
    Form1 = window.get();
    return window;
}
