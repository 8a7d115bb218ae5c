#pragma once

#include "core/booking/journal_print.h"

#include <QDialog>
#include <QPageLayout>

class QLabel;

namespace morvane::ui {

// The preview of the journal printout: one page at a time, drawn by the
// printout routine on a picture of the page.
class TBuchPrintPreForm final : public QDialog {
    Q_OBJECT
public:
    TBuchPrintPreForm(const booking::JournalPrintSettings &settings, booking::JournalSource source,
                      i18n::Translator &translator, const base::FormatSettings &format, const QPageLayout &page,
                      QWidget *parent = nullptr);

    int pageCount() const { return pages_; }
    int page() const { return page_; }
    void showPage(int page);
    // The page as drawn, for printing tests and screenshots.
    const QImage &pageImage() const { return image_; }

private:
    const booking::JournalPrintSettings &settings_;
    booking::JournalSource source_;
    i18n::Translator &translator_;
    const base::FormatSettings &format_;
    QSize pixels_;
    int pages_ = 1;
    int page_ = 1;
    QImage image_;
    QLabel *PageImage;
    QLabel *SeiteLabel;
};

}  // namespace morvane::ui
