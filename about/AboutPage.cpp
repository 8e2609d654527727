#include "AboutPage.h"

namespace renkalo {

AboutPage::AboutPage(QWidget *tabSheet) : QFrame(tabSheet)
{
    setObjectName(QStringLiteral("LMDSimplePanel1"));
    setGeometry(0, 0, 678, 333);
}

} // namespace renkalo
