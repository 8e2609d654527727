#include "CalculatorPage.h"

namespace renkalo {

CalculatorPage::CalculatorPage(QWidget *tabSheet) : QFrame(tabSheet)
{
    setObjectName(QStringLiteral("Panel4"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setGeometry(0, 0, 678, 333);
}

} // namespace renkalo
