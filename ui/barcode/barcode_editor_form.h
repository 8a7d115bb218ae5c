#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace morvane::barcode {

class TEan;

// The tool window that edits one barcode control; its buttons apply the
// settings to the control, or close without applying.
class TBarcodeEditorForm : public QDialog {
    Q_OBJECT
public:
    explicit TBarcodeEditorForm(TEan *target, QWidget *parent = nullptr);

    void ApplyBtnClick();

private:
    void TypComboChange();
    void loadFromTarget();

    TEan *target_;
    TEan *preview_;
    QComboBox *TypCombo;
    QLineEdit *BarCodeEd;
    QLabel *CharsLabel;
    QCheckBox *AddUpCheck;
    QCheckBox *TransparentCheck;
    QCheckBox *FontAutoSizeCheck;
    QCheckBox *CaptionVisibleCheck;
    QLineEdit *CaptionEd;
    QComboBox *CaptionAlignCombo;
    QCheckBox *CaptionAutoCaptionCheck;
    QCheckBox *CaptionAutoSizeCheck;
    QCheckBox *CaptionBottomVisibleCheck;
    QLineEdit *CaptionBottomEd;
    QLineEdit *LabelMaskEd;
    QSpinBox *AngleEd;
    QSpinBox *WidthEd;
    QSpinBox *HeightEd;
    QCheckBox *StartStopCheck;
    QCheckBox *ShowLabelsCheck;
    QCheckBox *SecurityCheck;
};

}  // namespace morvane::barcode
