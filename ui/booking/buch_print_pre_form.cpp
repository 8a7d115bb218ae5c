#include "ui/booking/buch_print_pre_form.h"

#include "ui/i18n/component_translator.h"
#include "ui/printing/qt_canvas.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace morvane::ui {

namespace {

constexpr int kPreviewDpi = 100;

}  // namespace

TBuchPrintPreForm::TBuchPrintPreForm(const booking::JournalPrintSettings &settings,
                                     booking::JournalSource source, i18n::Translator &translator,
                                     const base::FormatSettings &format, const QPageLayout &page, QWidget *parent)
    : QDialog(parent), settings_(settings), source_(std::move(source)), translator_(translator), format_(format),
      PageImage(new QLabel(this)), SeiteLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("BuchPrintPreForm"));
    setWindowTitle(QStringLiteral("Druckvorschau"));
    const QSizeF mm = page.fullRect(QPageLayout::Millimeter).size();
    pixels_ = QSize(printing::mmToDots(mm.width(), kPreviewDpi), printing::mmToDots(mm.height(), kPreviewDpi));
    PageImage->setObjectName(QStringLiteral("PageImage"));
    SeiteLabel->setObjectName(QStringLiteral("SeiteLabel"));
    auto *back = new QPushButton(QStringLiteral("<"), this);
    back->setObjectName(QStringLiteral("ZurueckBtn"));
    auto *next = new QPushButton(QStringLiteral(">"), this);
    next->setObjectName(QStringLiteral("WeiterBtn"));
    auto *close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("SchliessenBtn"));
    connect(back, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(PageImage);
    scroll->setAlignment(Qt::AlignHCenter);
    scroll->setBackgroundRole(QPalette::Dark);
    auto *row = new QHBoxLayout;
    row->addWidget(back);
    row->addWidget(SeiteLabel);
    row->addWidget(next);
    row->addStretch();
    row->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(scroll, 1);
    TranslateComponents(this, translator_);
    resize(pixels_.width() + 60, 800);
    showPage(1);
}

void TBuchPrintPreForm::showPage(int page)
{
    page = std::clamp(page, 1, std::max(1, pages_));
    image_ = QImage(pixels_, QImage::Format_RGB32);
    const int dotsPerMeter = int(kPreviewDpi / 0.0254 + 0.5);
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    image_.fill(Qt::white);
    {
        printing::QtCanvas canvas(image_);
        pages_ = booking::printJournal(canvas, settings_, source_, translator_, format_, page, false);
    }
    if (page > pages_) {
        showPage(pages_);
        return;
    }
    page_ = page;
    PageImage->setPixmap(QPixmap::fromImage(image_));
    PageImage->resize(image_.size());
    SeiteLabel->setText(QStringLiteral("%1 / %2").arg(page_).arg(pages_));
}

}  // namespace morvane::ui
