#include "LayoutRow.h"
#include "TestWindow.h"

#include "EffectLabel.h"
#include "LedLabel.h"
#include "Opn.h"
#include "PageControl.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QtTest>

using namespace renkalo;

namespace {

// The text a control shows: caption, title, edit text, display text, tab caption.
QString shownText(QWidget *widget)
{
    if (widget->isWindow())
        return widget->windowTitle();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        return box->title();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *list = qobject_cast<QComboBox *>(widget))
        return list->currentText();
    if (auto *label = qobject_cast<EffectLabel *>(widget))
        return label->text();
    if (auto *led = qobject_cast<LedLabel *>(widget))
        return led->text();
    if (auto *pages = qobject_cast<PageControl *>(widget->parentWidget())) {
        for (int i = 0; i < pages->count(); ++i)
            if (pages->page(i) == widget)
                return pages->tabBar()->tabText(i);
    }
    return {};
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { window = makeTestWindow(); }
    void cleanupTestCase() { window.reset(); }

    void control_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        for (const QList<LayoutRow> &rows : {windowLayoutRows(), calculatorLayoutRows()})
            for (const LayoutRow &row : rows)
                QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.geometry << row.text;
    }
    void control()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QWidget *widget = window->objectName() == name ? window.get() : window->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name + " is missing"));
        if (widget->isWindow())
            QCOMPARE(widget->size(), geometry.size());
        else
            QCOMPARE(widget->geometry(), geometry);
        if (!text.isNull())
            QCOMPARE(shownText(widget), text);
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            // The caption fits its box in the window's font.
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, label->width(), 10000),
                int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
            QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                     qPrintable(QStringLiteral("%1 needs %2 x %3").arg(name).arg(needed.width()).arg(needed.height())));
        }
    }

    // Every named control of the window is listed, so none moves unnoticed.
    void everyNamedControlListed()
    {
        QSet<QString> listed;
        for (const QList<LayoutRow> &rows : {windowLayoutRows(), calculatorLayoutRows()})
            for (const LayoutRow &row : rows)
                listed.insert(QString::fromLatin1(row.name));
        QStringList missing;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            const QString name = widget->objectName();
            if (name.isEmpty() || name.startsWith(u"qt_") || listed.contains(name))
                continue;
            if (qobject_cast<QTabBar *>(widget->parentWidget())) // the tab row's own scroll buttons
                continue;
            // Controls of the journal and About tabs are checked by their own tests.
            if (window->TabSheet2->isAncestorOf(widget) || window->TabSheet3->isAncestorOf(widget))
                continue;
            missing.append(name);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", ")));
    }

private:
    std::unique_ptr<TForm1> window;
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
