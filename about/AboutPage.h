#pragma once

#include "SimplePanel.h"

#include <QByteArrayView>

class QLabel;

namespace renkalo {

class EffectLabel;
class WebUrlLabel;

// The About tab: LMDSimplePanel1 filling its tab sheet, with the program's title,
// its picture, the credit lines and the link to the web site on LMDSimplePanel2.
class AboutPage : public SimplePanel {
    Q_OBJECT
public:
    explicit AboutPage(QWidget *tabSheet);

    // Shows a JPEG picture stretched over Image1; one that cannot be decoded leaves
    // the box empty. The page shows the program's own picture from the start.
    void showPicture(QByteArrayView jpeg);

    SimplePanel *LMDSimplePanel2;
    EffectLabel *LMDLabel1;
    QLabel *Image1;
    EffectLabel *LMDLabel2;
    EffectLabel *LMDLabel3;
    EffectLabel *LMDLabel4;
    EffectLabel *LMDLabel5;
    WebUrlLabel *LMDWebURLLabel1;
};

} // namespace renkalo
