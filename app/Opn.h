#pragma once

#include <QFrame>
#include <QWidget>

class QLabel;
class QPushButton;

namespace renkalo {
class AboutPage;
class CalculatorPage;
class EffectLabel;
class Journal;
class PageControl;
class ShapeButton;
} // namespace renkalo

// The main window: the introduction page and the work page with its three tabs.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Introduction page.
    QFrame *Panel1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QFrame *Bevel1;
    renkalo::ShapeButton *LMDShapeLabelButton1;
    renkalo::ShapeButton *LMDShapeLabelButton2;
    renkalo::EffectLabel *LMDDockLabel1;

    // Work page.
    QFrame *Panel2;
    QFrame *Panel3;
    renkalo::ShapeButton *LMDShapeLabelButton3;
    renkalo::ShapeButton *LMDShapeLabelButton4;
    QLabel *Label23;
    QPushButton *cxButton21;
    renkalo::PageControl *PageControl1;
    QWidget *TabSheet1;
    QWidget *TabSheet2;
    QWidget *TabSheet3;

    renkalo::CalculatorPage *calculator;
    renkalo::AboutPage *about;
    // The journal's data components: connection, data sets, data sources.
    renkalo::Journal *journal;

    void LMDShapeLabelButton1Click();
    void LMDShapeLabelButton2Click();
    void LMDShapeLabelButton3Click();
    void LMDShapeLabelButton4Click();
    void cxButton21Click();
    // The close query: asks the exit question and says whether the window may close.
    void FormCloseQuery(bool &canClose);
    // A session's shutdown or log-off: whether the program lets it go ahead.
    bool queryEndSession();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildIntroductionPage();
    void buildWorkPage();

    // Set once the exit question has been answered Yes, so that the close it
    // allowed does not ask again.
    bool m_closeAllowed = false;
};

// The one instance of the main window.
extern TForm1 *Form1;
