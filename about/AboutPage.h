#pragma once

#include <QFrame>

namespace renkalo {

// The About tab: LMDSimplePanel1 filling its tab sheet.
class AboutPage : public QFrame {
    Q_OBJECT
public:
    explicit AboutPage(QWidget *tabSheet);
};

} // namespace renkalo
