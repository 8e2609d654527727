#include "AboutPage.h"
#include "SystemColors.h"
#include "UrlOpener.h"
#include "WebSite.h"
#include "WebUrlLabel.h"

#include <QtTest>

#include <memory>

using namespace renkalo;
using namespace renkalo::SystemColors;

namespace {

// Which of the link's colours its rendering shows: the underline is drawn solid in
// the text colour.
bool shows(const QImage &shot, QRgb color)
{
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) == color)
                return true;
    return false;
}

} // namespace

// The About page's link LMDWebURLLabel1, with the desktop's opener replaced by one
// that records the addresses and answers as told.
class TestAboutLink : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QWidget> m_sheet;
    WebUrlLabel *m_link = nullptr;
    UrlOpener::Opener m_previousOpener;
    QStringList m_opened;
    bool m_desktopAccepts = true;

    void press() { QTest::mousePress(m_link, Qt::LeftButton, {}, QPoint(5, 5)); }
    void releaseOver() { QTest::mouseRelease(m_link, Qt::LeftButton, {}, QPoint(5, 5)); }
    void click()
    {
        press();
        releaseOver();
    }
    QImage shot() const { return m_link->grab().toImage(); }

private slots:
    void init()
    {
        m_opened.clear();
        m_desktopAccepts = true;
        m_previousOpener = UrlOpener::setOpener([this](const QString &address) {
            m_opened << address;
            return m_desktopAccepts;
        });
        m_sheet = std::make_unique<QWidget>();
        m_sheet->resize(678, 333);
        auto *page = new AboutPage(m_sheet.get());
        m_link = page->findChild<WebUrlLabel *>(QStringLiteral("LMDWebURLLabel1"));
        QVERIFY(m_link);
    }
    void cleanup()
    {
        m_sheet.reset();
        UrlOpener::setOpener(std::move(m_previousOpener));
    }

    void colourFollowsTheLeftButton_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QRgb>("color");
        QTest::addColumn<int>("opens");
        QTest::newRow("at rest") << QStringList() << clWhite << 0;
        QTest::newRow("held") << QStringList{"press"} << clCream << 0;
        QTest::newRow("click") << QStringList{"press", "release over"} << clWhite << 1;
        QTest::newRow("released outside") << QStringList{"press", "release outside"} << clWhite << 0;
        QTest::newRow("right click") << QStringList{"right press", "right release"} << clWhite << 0;
        QTest::newRow("right click while held")
            << QStringList{"press", "right press", "right release"} << clCream << 0;
        QTest::newRow("release with no press on it") << QStringList{"release over"} << clWhite << 0;
    }
    void colourFollowsTheLeftButton()
    {
        QFETCH(QStringList, actions);
        QFETCH(QRgb, color);
        QFETCH(int, opens);
        for (const QString &action : actions) {
            if (action == QLatin1String("press"))
                press();
            else if (action == QLatin1String("release over"))
                releaseOver();
            else if (action == QLatin1String("release outside"))
                QTest::mouseRelease(m_link, Qt::LeftButton, {}, QPoint(-30, m_link->height() + 40));
            else if (action == QLatin1String("right press"))
                QTest::mousePress(m_link, Qt::RightButton, {}, QPoint(5, 5));
            else if (action == QLatin1String("right release"))
                QTest::mouseRelease(m_link, Qt::RightButton, {}, QPoint(5, 5));
        }
        QCOMPARE(m_link->textColor(), QColor::fromRgb(color));
        const QImage drawn = shot();
        QVERIFY(shows(drawn, color));
        QVERIFY(!shows(drawn, color == clWhite ? clCream : clWhite));
        QVERIFY(shows(drawn, clHotLight));
        QCOMPARE(m_opened.size(), opens);
        if (opens)
            QCOMPARE(m_opened.first(), QString::fromLatin1(WebSiteAddress));
        QVERIFY(m_link->isEnabled());
    }

    void successfulOpen_leavesTheLinkEnabled()
    {
        click();
        click();
        QCOMPARE(m_opened, QStringList({QString::fromLatin1(WebSiteAddress), QString::fromLatin1(WebSiteAddress)}));
        QVERIFY(m_link->isEnabled());
    }

    void doubleClick_opensOnce()
    {
        // What the window system sends: a click, then the second press as a double
        // click and its release.
        click();
        QTest::mouseDClick(m_link, Qt::LeftButton, {}, m_link->rect().center());
        QCOMPARE(m_link->textColor(), QColor::fromRgb(clCream));
        QTest::mouseRelease(m_link, Qt::LeftButton, {}, m_link->rect().center());
        QCOMPARE(m_opened, QStringList{QString::fromLatin1(WebSiteAddress)});
        QVERIFY(!m_link->isPressed());
        QCOMPARE(m_link->textColor(), QColor::fromRgb(clWhite));
        click();
        QCOMPARE(m_opened.size(), 2);
    }

    void failedOpen_disablesTheLinkForTheRestOfTheRun()
    {
        m_desktopAccepts = false;
        const QImage enabled = shot();
        click();
        QCOMPARE(m_opened.size(), 1);
        QVERIFY(!m_link->isEnabled());

        // Greyed: the text in the shadow colour over a highlight copy.
        const QImage greyed = shot();
        QVERIFY(greyed != enabled);
        QVERIFY(shows(greyed, clBtnShadow));
        QVERIFY(!shows(enabled, clBtnShadow));

        // Further clicks do nothing, even once the desktop would accept.
        m_desktopAccepts = true;
        press();
        QVERIFY(!m_link->isPressed());
        releaseOver();
        click();
        QCOMPARE(m_opened.size(), 1);

        // Leaving the tab and coming back changes nothing.
        m_sheet->show();
        m_sheet->hide();
        m_sheet->show();
        QVERIFY(!m_link->isEnabled());
        click();
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(shot(), greyed);
    }

    void answersToTheMouseOnly()
    {
        QCOMPARE(m_link->focusPolicy(), Qt::NoFocus);
        QCOMPARE(m_link->cursor().shape(), Qt::PointingHandCursor);
        QTest::keyClick(m_link, Qt::Key_Return);
        QTest::keyClick(m_link, Qt::Key_Space);
        QVERIFY(m_opened.isEmpty());
    }
};

QTEST_MAIN(TestAboutLink)
#include "tst_aboutlink.moc"
