#include "ShapeButton.h"
#include "SystemColors.h"

#include <QSignalSpy>
#include <QtTest>

using namespace renkalo;

// "Дальше" on the introduction page: 113 x 33, so the shape is 107 x 27 at rest and
// the shadow the 6-pixel strip along its right and bottom sides.
class ShapeButtonFixture {
public:
    ShapeButtonFixture(const QString &caption = "Дальше")
    {
        window.resize(300, 100);
        button = new ShapeButton(caption, &window);
        button->setGeometry(168, 40, 113, 33);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    QWidget window;
    ShapeButton *button = nullptr;
};

class TestShapeButton : public QObject {
    Q_OBJECT
private slots:
    void heldButtonMovesOntoItsShadow()
    {
        ShapeButtonFixture f;
        ShapeButton *button = f.button;
        QCOMPARE(button->shapeRect(), QRect(0, 0, 107, 27));
        QImage image = button->grab().toImage();
        QCOMPARE(image.pixel(0, 0), SystemColors::clBtnHighlight);
        QCOMPARE(image.pixel(10, 13), SystemColors::clBtnFace);
        QCOMPARE(image.pixel(112, 32), SystemColors::cl3DDkShadow); // the drop shadow

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 13));
        QVERIFY(button->isDown());
        QCOMPARE(button->shapeRect(), QRect(6, 6, 107, 27));
        image = button->grab().toImage();
        QCOMPARE(image.pixel(6, 6), SystemColors::clBtnHighlight);
        QCOMPARE(image.pixel(112, 32), SystemColors::clBtnShadow); // the shape's own bevel

        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 13));
        QVERIFY(!button->isDown());
        QCOMPARE(button->shapeRect(), QRect(0, 0, 107, 27));
    }

    // A click needs the left button pressed and released over the shape at rest; the
    // shadow strip (x >= 107 or y >= 27) and the world outside do not count.
    void clicks_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<bool>("clicked");
        const int left = Qt::LeftButton;
        QTest::newRow("over the shape") << left << QPoint(50, 13) << QPoint(50, 13) << true;
        QTest::newRow("moved within the shape") << left << QPoint(50, 13) << QPoint(104, 24) << true;
        QTest::newRow("top-left corner, uncovered while held")
            << left << QPoint(1, 1) << QPoint(1, 1) << true;
        QTest::newRow("released over the right shadow") << left << QPoint(50, 13) << QPoint(110, 20) << false;
        QTest::newRow("released over the bottom shadow") << left << QPoint(50, 13) << QPoint(50, 30) << false;
        QTest::newRow("released outside") << left << QPoint(50, 13) << QPoint(200, 200) << false;
        QTest::newRow("pressed on the shadow") << left << QPoint(110, 30) << QPoint(110, 30) << false;
        QTest::newRow("pressed on the shadow, released on the shape")
            << left << QPoint(110, 30) << QPoint(50, 13) << false;
        QTest::newRow("right button") << int(Qt::RightButton) << QPoint(50, 13) << QPoint(50, 13) << false;
        QTest::newRow("middle button") << int(Qt::MiddleButton) << QPoint(50, 13) << QPoint(50, 13) << false;
    }
    void clicks()
    {
        QFETCH(int, button);
        QFETCH(QPoint, press);
        QFETCH(QPoint, release);
        QFETCH(bool, clicked);
        ShapeButtonFixture f;
        QSignalSpy spy(f.button, &QAbstractButton::clicked);
        const auto mouseButton = Qt::MouseButton(button);
        QTest::mousePress(f.button, mouseButton, {}, press);
        if (mouseButton != Qt::LeftButton || !f.button->hitRect().contains(press))
            QCOMPARE(f.button->shapeRect(), QRect(0, 0, 107, 27)); // nothing moved
        QTest::mouseMove(f.button, release);
        QTest::mouseRelease(f.button, mouseButton, {}, release);
        QCOMPARE(spy.count(), clicked ? 1 : 0);
        QVERIFY(!f.button->isDown());
    }

    void takesNoFocusAndIgnoresKeys()
    {
        ShapeButtonFixture f;
        QSignalSpy spy(f.button, &QAbstractButton::clicked);
        QCOMPARE(f.button->focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(f.button, Qt::LeftButton, {}, QPoint(50, 13));
        QCOMPARE(spy.count(), 1);
        QVERIFY(!f.button->hasFocus());
        // Even a key sent to the button itself does not press it.
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Select})
            QTest::keyClick(f.button, key);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!f.button->isDown());
    }

    // An "&" is shown as such and makes no Alt shortcut, whichever setText sets it.
    void ampersandMakesNoShortcut()
    {
        ShapeButtonFixture f("&Go");
        QSignalSpy spy(f.button, &QAbstractButton::clicked);
        QCOMPARE(f.button->text(), QString("&Go"));
        QVERIFY(f.button->shortcut().isEmpty());
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        // Through the window, so that the keys pass the application's shortcut map.
        QWindow *window = f.window.windowHandle();
        QTest::keyClick(window, Qt::Key_G, Qt::AltModifier);
        QVERIFY(!f.button->isDown());
        QVERIFY(!spy.wait(250)); // a shortcut would click a moment later

        static_cast<QAbstractButton *>(f.button)->setText("&Run");
        QTest::keyClick(window, Qt::Key_R, Qt::AltModifier);
        QVERIFY(!f.button->isDown());
        QVERIFY(!spy.wait(250)); // a shortcut would click a moment later
    }

    void hoverChangesNothingVisible()
    {
        ShapeButtonFixture f;
        QVERIFY(f.button->hasMouseTracking());
        const QImage before = f.button->grab().toImage();
        QTest::mouseMove(f.button, QPoint(50, 13));
        QTRY_VERIFY(f.button->underMouse());
        QCOMPARE(f.button->grab().toImage(), before);
    }
};

QTEST_MAIN(TestShapeButton)
#include "tst_shapebutton.moc"
