#include "ui/barcode/barcode_editor_form.h"

#include "core/barcode/barcode_type_info.h"
#include "ui/barcode/ean_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace morvane::barcode {

namespace {

template <class T>
T *named(T *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

}  // namespace

TBarcodeEditorForm::TBarcodeEditorForm(TEan *target, QWidget *parent) : QDialog(parent), target_(target)
{
    setObjectName(QStringLiteral("TBarcodeEditorForm"));
    setWindowTitle(QStringLiteral("Bar code editor"));
    setWindowFlag(Qt::Tool);
    auto *layout = new QVBoxLayout(this);
    preview_ = new TEan(this);
    preview_->ean().DisableEditor = true;
    preview_->setMinimumHeight(100);
    layout->addWidget(preview_);
    auto *tabs = new QTabWidget(this);
    layout->addWidget(tabs);

    auto *text = new QWidget;
    auto *tf = new QFormLayout(text);
    TypCombo = named(new QComboBox, "TypCombo");
    for (int t = 1; t <= kLastOfferedTypBarCode; ++t)
        TypCombo->addItem(BarcodeTypeInfo(TTypBarCode(t)).Name, t);
    BarCodeEd = named(new QLineEdit, "BarCodeEd");
    CharsLabel = named(new QLabel, "CharsLabel");
    CharsLabel->setWordWrap(true);
    AddUpCheck = named(new QCheckBox(QStringLiteral("EAN && ISBN Add Up")), "AddUpCheck");
    tf->addRow(TypCombo);
    tf->addRow(BarCodeEd);
    tf->addRow(CharsLabel);
    tf->addRow(AddUpCheck);
    tabs->addTab(text, QStringLiteral("Text && bar code type"));

    auto *colors = new QWidget;
    auto *cf = new QFormLayout(colors);
    TransparentCheck = named(new QCheckBox(QStringLiteral("Transparent")), "TransparentCheck");
    FontAutoSizeCheck = named(new QCheckBox(QStringLiteral("Font auto size")), "FontAutoSizeCheck");
    cf->addRow(TransparentCheck);
    cf->addRow(FontAutoSizeCheck);
    tabs->addTab(colors, QStringLiteral("Colors && Fonts"));

    auto *caption = new QWidget;
    auto *pf = new QFormLayout(caption);
    CaptionVisibleCheck = named(new QCheckBox(QStringLiteral("Visible")), "CaptionVisibleCheck");
    CaptionEd = named(new QLineEdit, "CaptionEd");
    CaptionAlignCombo = named(new QComboBox, "CaptionAlignCombo");
    CaptionAlignCombo->addItems({QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Center")});
    CaptionAutoCaptionCheck = named(new QCheckBox(QStringLiteral("AutoCaption")), "CaptionAutoCaptionCheck");
    CaptionAutoSizeCheck = named(new QCheckBox(QStringLiteral("AutoSize")), "CaptionAutoSizeCheck");
    CaptionBottomVisibleCheck = named(new QCheckBox(QStringLiteral("Visible")), "CaptionBottomVisibleCheck");
    CaptionBottomEd = named(new QLineEdit, "CaptionBottomEd");
    pf->addRow(CaptionVisibleCheck, CaptionEd);
    pf->addRow(CaptionAlignCombo);
    pf->addRow(CaptionAutoCaptionCheck);
    pf->addRow(CaptionAutoSizeCheck);
    pf->addRow(CaptionBottomVisibleCheck, CaptionBottomEd);
    tabs->addTab(caption, QStringLiteral("Caption"));

    auto *mask = new QWidget;
    auto *mf = new QFormLayout(mask);
    LabelMaskEd = named(new QLineEdit, "LabelMaskEd");
    mf->addRow(LabelMaskEd);
    tabs->addTab(mask, QStringLiteral("Mask"));

    auto *misc = new QWidget;
    auto *xf = new QFormLayout(misc);
    AngleEd = named(new QSpinBox, "AngleEd");
    AngleEd->setRange(0, 359);
    WidthEd = named(new QSpinBox, "WidthEd");
    WidthEd->setRange(1, 10000);
    HeightEd = named(new QSpinBox, "HeightEd");
    HeightEd->setRange(1, 10000);
    StartStopCheck = named(new QCheckBox(QStringLiteral("Show start/stop lines")), "StartStopCheck");
    ShowLabelsCheck = named(new QCheckBox(QStringLiteral("Show labels")), "ShowLabelsCheck");
    SecurityCheck = named(new QCheckBox(QStringLiteral("Security zoom")), "SecurityCheck");
    xf->addRow(QStringLiteral("Angle in degrees"), AngleEd);
    xf->addRow(QStringLiteral("Width"), WidthEd);
    xf->addRow(QStringLiteral("Height"), HeightEd);
    xf->addRow(StartStopCheck);
    xf->addRow(ShowLabelsCheck);
    xf->addRow(SecurityCheck);
    tabs->addTab(misc, QStringLiteral("Misc."));

    auto *functions = new QWidget;
    auto *ff = new QVBoxLayout(functions);
    auto *loadBtn = named(new QPushButton(QStringLiteral("Load from INI file")), "LoadIniBtn");
    auto *saveBtn = named(new QPushButton(QStringLiteral("Save to INI file")), "SaveIniBtn");
    ff->addWidget(loadBtn);
    ff->addWidget(saveBtn);
    ff->addStretch();
    tabs->addTab(functions, QStringLiteral("Functions"));
    connect(loadBtn, &QPushButton::clicked, this, [this] {
        target_->LoadFromIni();
        loadFromTarget();
    });
    connect(saveBtn, &QPushButton::clicked, this, [this] {
        ApplyBtnClick();
        target_->SaveToIni();
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        ApplyBtnClick();
        accept();
    });
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, &TBarcodeEditorForm::ApplyBtnClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(TypCombo, &QComboBox::activated, this, &TBarcodeEditorForm::TypComboChange);
    connect(BarCodeEd, &QLineEdit::textEdited, this, [this](const QString &t) {
        preview_->setBarCode(t);
        if (!preview_->ean().CheckBarCode(t))
            CharsLabel->setToolTip(preview_->ean().LastPaintErrorText());
    });

    loadFromTarget();
}

void TBarcodeEditorForm::loadFromTarget()
{
    const TCustomEAN &e = target_->ean();
    TypCombo->setCurrentIndex(std::max(0, TypCombo->findData(int(e.TypBarCode()))));
    BarCodeEd->setText(e.BarCode());
    CharsLabel->setText(e.GetSetOfCharsVisible());
    AddUpCheck->setChecked(e.Ean13AddUp);
    TransparentCheck->setChecked(e.Transparent);
    FontAutoSizeCheck->setChecked(e.FontAutoSize);
    CaptionVisibleCheck->setChecked(e.Caption.Visible);
    CaptionEd->setText(e.Caption.Text);
    CaptionAlignCombo->setCurrentIndex(int(e.Caption.Alignment));
    CaptionAutoCaptionCheck->setChecked(e.Caption.AutoCaption);
    CaptionAutoSizeCheck->setChecked(e.Caption.AutoSize);
    CaptionBottomVisibleCheck->setChecked(e.CaptionBottom.Visible);
    CaptionBottomEd->setText(e.CaptionBottom.Text);
    LabelMaskEd->setText(e.LabelMask);
    AngleEd->setValue(((e.Angle % 360) + 360) % 360);
    WidthEd->setValue(target_->width());
    HeightEd->setValue(target_->height());
    StartStopCheck->setChecked(e.StartStopLines);
    ShowLabelsCheck->setChecked(e.ShowLabels);
    SecurityCheck->setChecked(e.Security);
    preview_->setTypBarCode(e.TypBarCode());
    preview_->setBarCode(e.BarCode());
}

void TBarcodeEditorForm::TypComboChange()
{
    preview_->setTypBarCode(TTypBarCode(TypCombo->currentData().toInt()));
    BarCodeEd->setText(preview_->ean().BarCode());
    CharsLabel->setText(preview_->ean().GetSetOfCharsVisible());
}

void TBarcodeEditorForm::ApplyBtnClick()
{
    TCustomEAN &e = target_->ean();
    target_->setTypBarCode(TTypBarCode(TypCombo->currentData().toInt()));
    target_->setBarCode(BarCodeEd->text());
    e.Ean13AddUp = AddUpCheck->isChecked();
    e.Transparent = TransparentCheck->isChecked();
    e.FontAutoSize = FontAutoSizeCheck->isChecked();
    e.Caption.Visible = CaptionVisibleCheck->isChecked();
    e.Caption.Text = CaptionEd->text();
    e.Caption.Alignment = TCaptionAlignment(CaptionAlignCombo->currentIndex());
    e.Caption.AutoCaption = CaptionAutoCaptionCheck->isChecked();
    e.Caption.AutoSize = CaptionAutoSizeCheck->isChecked();
    e.CaptionBottom.Visible = CaptionBottomVisibleCheck->isChecked();
    e.CaptionBottom.Text = CaptionBottomEd->text();
    e.LabelMask = LabelMaskEd->text();
    e.Angle = AngleEd->value();
    e.StartStopLines = StartStopCheck->isChecked();
    e.ShowLabels = ShowLabelsCheck->isChecked();
    e.Security = SecurityCheck->isChecked();
    target_->resize(WidthEd->value(), HeightEd->value());
    target_->update();
}

}  // namespace morvane::barcode
