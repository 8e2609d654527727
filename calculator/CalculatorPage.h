#pragma once

#include <QFrame>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace renkalo {

class LedLabel;
class ShapeButton;

// The calculator tab: Panel4 filling its tab sheet, with the input group on the left
// (weight, urine, losses, breathing rate, temperature, electrolytes, drug doses) and
// the result group on the right (volumes, glucose rate, corrections).
class CalculatorPage : public QFrame {
    Q_OBJECT
public:
    explicit CalculatorPage(QWidget *tabSheet);

    // Input group.
    QGroupBox *GroupBox5;
    QFrame *Panel10;
    QLineEdit *LabeledEdit1;
    QLineEdit *LabeledEdit2;
    QLineEdit *LabeledEdit3;
    QLabel *Label7;
    QComboBox *ComboBox1;
    QLabel *Label8;
    QComboBox *ComboBox2;
    QFrame *Panel11;
    QGroupBox *GroupBox8;
    QLineEdit *LabeledEdit4;
    QLineEdit *LabeledEdit5;
    QLineEdit *LabeledEdit6;
    QLineEdit *LabeledEdit7;
    QGroupBox *GroupBox9;
    LedLabel *LMDLEDLabel9;
    LedLabel *LMDLEDLabel10;
    LedLabel *LMDLEDLabel11;
    LedLabel *LMDLEDLabel12;
    ShapeButton *LMDShapeLabelButton5;
    ShapeButton *LMDShapeLabelButton6;
    LedLabel *LMDLEDLabel15;

    // Result group.
    QGroupBox *GroupBox4;
    QGroupBox *GroupBox6;
    LedLabel *LMDLEDLabel1;
    LedLabel *LMDLEDLabel2;
    LedLabel *LMDLEDLabel3;
    LedLabel *LMDLEDLabel13;
    LedLabel *LMDLEDLabel14;
    QGroupBox *GroupBox7;
    LedLabel *LMDLEDLabel4;
    LedLabel *LMDLEDLabel5;
    LedLabel *LMDLEDLabel6;
    LedLabel *LMDLEDLabel7;
    LedLabel *LMDLEDLabel8;

    // Calculate: reads the nine inputs, checks them and shows the fifteen results.
    void LMDShapeLabelButton5Click();
    // Clear: empties the displays and the inputs.
    void LMDShapeLabelButton6Click();

private:
    void buildInputGroup();
    void buildResultGroup();
    // Display i + 1 at index i.
    QList<LedLabel *> displays() const;
};

} // namespace renkalo
