#pragma once

#include <QFrame>

namespace renkalo {

// The calculator tab: Panel4 filling its tab sheet, with the input and result groups.
class CalculatorPage : public QFrame {
    Q_OBJECT
public:
    explicit CalculatorPage(QWidget *tabSheet);
};

} // namespace renkalo
