#pragma once

#include <QList>
#include <QWidget>

class QTabBar;

namespace renkalo {

// A tabbed pile of pages with the tabs along its bottom edge. Each page sits at a
// fixed place inside a 4-pixel frame, whatever the tabs' height.
class PageControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int Margin = 4;
    // Below the pane: the row of tabs.
    static constexpr int TabAreaHeight = 18;

    explicit PageControl(QWidget *parent = nullptr);

    // Adds a page of the given client size; the page keeps its objectName.
    void addPage(QWidget *page, const QString &caption);
    int count() const { return static_cast<int>(m_pages.size()); }
    QWidget *page(int index) const { return m_pages.value(index); }
    int currentIndex() const;
    QWidget *currentPage() const { return page(currentIndex()); }
    void setCurrentIndex(int index);
    QTabBar *tabBar() const { return m_tabs; }

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void layOut();
    void showCurrent();

    QTabBar *m_tabs;
    QList<QWidget *> m_pages;
};

} // namespace renkalo
