#include "PageControl.h"

#include <QPainter>
#include <qdrawutil.h>
#include <QTabBar>

namespace renkalo {

PageControl::PageControl(QWidget *parent) : QWidget(parent), m_tabs(new QTabBar(this))
{
    m_tabs->setShape(QTabBar::RoundedSouth);
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(false);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        showCurrent();
        emit currentChanged(index);
    });
}

void PageControl::addPage(QWidget *page, const QString &caption)
{
    page->setParent(this);
    m_pages.append(page);
    m_tabs->addTab(caption);
    layOut();
    showCurrent();
}

int PageControl::currentIndex() const
{
    return m_tabs->currentIndex();
}

void PageControl::setCurrentIndex(int index)
{
    m_tabs->setCurrentIndex(index);
}

void PageControl::resizeEvent(QResizeEvent *)
{
    layOut();
}

void PageControl::layOut()
{
    const int pageHeight = height() - 2 * Margin - TabAreaHeight;
    for (QWidget *page : std::as_const(m_pages))
        page->setGeometry(Margin, Margin, width() - 2 * Margin, pageHeight);
    const int tabsTop = height() - TabAreaHeight - 2;
    m_tabs->setGeometry(2, tabsTop, qMin(m_tabs->sizeHint().width(), width() - 4), height() - tabsTop);
}

void PageControl::showCurrent()
{
    const int current = currentIndex();
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(i == current);
}

void PageControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect pane(0, 0, width(), height() - TabAreaHeight);
    qDrawShadePanel(&painter, pane, palette(), false, 2);
}

} // namespace renkalo
