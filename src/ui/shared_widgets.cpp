#include "ui/shared_widgets.h"

namespace cw::ui {

HeaderBand makeHeaderBand(QWidget* parent, const QPixmap& icon, const QString& title, const QString& titleObjectName) {
    auto* band = new QWidget(parent);
    band->setObjectName(QStringLiteral("headerBand"));
    band->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(16, 10, 16, 10);
    if (!icon.isNull()) {
        auto* iconLabel = new QLabel(band);
        iconLabel->setPixmap(icon);
        layout->addWidget(iconLabel);
    }
    auto* titleLabel = new QLabel(title, band);
    titleLabel->setObjectName(titleObjectName);
    layout->addWidget(titleLabel, 1);
    return {band, layout, titleLabel};
}

QPlainTextEdit* makePaperSheet(QWidget* parent, const QString& objectName) {
    auto* sheet = new QPlainTextEdit(parent);
    sheet->setObjectName(objectName);
    sheet->setReadOnly(true);
    // The application's look gives every sheet marked as paper its fixed
    // pitch; the font set here holds where no style sheet is in force.
    sheet->setProperty("paper", true);
    QFont paper(QStringLiteral("DejaVu Sans Mono"));
    paper.setStyleHint(QFont::TypeWriter);
    paper.setPixelSize(13);
    sheet->setFont(paper);
    return sheet;
}

}  // namespace cw::ui
