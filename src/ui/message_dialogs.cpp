#include "ui/message_dialogs.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace cw::ui {

namespace look {

QPixmap badge(QChar glyph, const QColor& color, int size) {
    const qreal dpr = 2.0;
    QPixmap pm(QSize(size, size) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fill(size * 0.35, size * 0.3, size * 0.8);
    fill.setColorAt(0, color.lighter(135));
    fill.setColorAt(1, color.darker(125));
    p.setBrush(fill);
    p.setPen(QPen(color.darker(170), 1.5));
    p.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(size * 3 / 5);
    p.setFont(f);
    p.setPen(QColor(0x13, 0x1a, 0x25));
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QString(glyph));
    return pm;
}

void centreOver(QWidget* window, QWidget* over) {
    window->adjustSize();
    QRect area;
    if (over && over->window()->isVisible())
        area = over->window()->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid()) window->move(area.center() - window->rect().center());
}

}  // namespace look

namespace {

// The frame every message window shares: a header band with the caption, a
// badge, the text and a row of buttons on the right.
class GameDialog : public QDialog {
public:
    GameDialog(QWidget* parent, const QString& objectName, const QString& caption, QChar glyph, const QColor& tint)
        : QDialog(parent) {
        setObjectName(objectName);
        setWindowTitle(caption);
        setModal(true);

        auto* outer = new QVBoxLayout(this);
        outer->setContentsMargins(0, 0, 0, 14);
        outer->setSpacing(0);

        auto* band = new QWidget(this);
        band->setObjectName(QStringLiteral("headerBand"));
        band->setAttribute(Qt::WA_StyledBackground);
        auto* bandLayout = new QHBoxLayout(band);
        bandLayout->setContentsMargins(16, 9, 16, 9);
        auto* header = new QLabel(caption, band);
        header->setObjectName(QStringLiteral("headerLabel"));
        header->setTextFormat(Qt::PlainText);
        bandLayout->addWidget(header);
        outer->addWidget(band);

        auto* middle = new QHBoxLayout;
        middle->setContentsMargins(18, 16, 18, 14);
        middle->setSpacing(16);
        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("iconLabel"));
        icon->setPixmap(look::badge(glyph, tint, 40));
        icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
        middle->addWidget(icon, 0, Qt::AlignTop);
        content_ = new QVBoxLayout;
        content_->setSpacing(10);
        middle->addLayout(content_, 1);
        outer->addLayout(middle, 1);

        buttons_ = new QHBoxLayout;
        buttons_->setContentsMargins(18, 0, 18, 0);
        buttons_->setSpacing(10);
        buttons_->addStretch(1);
        outer->addLayout(buttons_);
    }

    // The game's texts break lines with "\r\n"; a label wants "\n".
    QLabel* addText(const QString& text, const QString& objectName) {
        auto* label = new QLabel(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
        label->setObjectName(objectName);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A wrapped label does not size itself well: fix its width from the
        // longest line, within what still reads comfortably.
        QFont f = label->font();
        f.setPixelSize(13);
        const QFontMetrics fm(f);
        int widest = 0;
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            widest = std::max(widest, fm.horizontalAdvance(line));
        label->setFixedWidth(std::clamp(widest + 8, 300, 520));
        content_->addWidget(label);
        return label;
    }

    void addContent(QWidget* w) { content_->addWidget(w); }

    // Buttons answer with their index in the order added.
    QPushButton* addButton(const QString& text, const QString& objectName, bool secondary) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(objectName);
        if (secondary) b->setProperty("role", QStringLiteral("secondary"));
        b->setCursor(Qt::PointingHandCursor);
        const int index = buttonCount_++;
        connect(b, &QPushButton::clicked, this, [this, index] {
            pressed_ = index;
            accept();
        });
        if (index == 0) {
            b->setDefault(true);
            b->setFocus();
        }
        buttons_->addWidget(b);
        return b;
    }

    // Index of the button that closed the dialog, -1 when closed otherwise.
    int runModal() {
        look::centreOver(this, parentWidget());
        exec();
        return pressed_;
    }

private:
    QVBoxLayout* content_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
    int buttonCount_ = 0;
    int pressed_ = -1;
};

QPointer<QDialog>& openMessageBox() {
    static QPointer<QDialog> box;
    return box;
}

}  // namespace

bool runAskDialog(QWidget* parent, const QString& caption, const QString& text, bool yesNo, bool showSecondButton,
                  bool& lastAnswer) {
    GameDialog d(parent, QStringLiteral("TCW2Dialog"), caption, QLatin1Char('?'), look::kAccent);
    d.addText(text, QStringLiteral("bodyLabel"));
    d.addButton(yesNo ? QStringLiteral("Yes") : QStringLiteral("Ok"), QStringLiteral("button_first"), false);
    if (showSecondButton)
        d.addButton(yesNo ? QStringLiteral("No") : QStringLiteral("Cancel"), QStringLiteral("button_second"), true);
    const int pressed = d.runModal();
    if (pressed == 0)
        lastAnswer = true;
    else if (pressed == 1)
        lastAnswer = false;
    return lastAnswer;
}

bool runMessageBox(QWidget* parent, const QString& caption, const QString& text, bool yesNo) {
    if (QPointer<QDialog>& open = openMessageBox(); open) open->done(QDialog::Rejected);
    GameDialog d(parent, QStringLiteral("TMessage_box"), caption, QLatin1Char('i'), look::kInfo);
    openMessageBox() = &d;
    d.addText(text, QStringLiteral("bodyLabel"));
    if (yesNo) {
        d.addButton(QStringLiteral("Yes"), QStringLiteral("button_yes"), false);
        d.addButton(QStringLiteral("No"), QStringLiteral("button_no"), true);
    } else {
        d.addButton(QStringLiteral("Ok"), QStringLiteral("button_ok"), false);
    }
    const int pressed = d.runModal();
    return yesNo && pressed == 0;
}

QString runInputBox(QWidget* parent, const QString& caption, const QString& prompt, const QString& defaultText) {
    GameDialog d(parent, QStringLiteral("TInputBox"), caption, QLatin1Char('i'), look::kInfo);
    d.addText(prompt, QStringLiteral("promptLabel"));
    auto* edit = new QLineEdit(defaultText, &d);
    edit->setObjectName(QStringLiteral("edit_input"));
    edit->selectAll();
    d.addContent(edit);
    d.addButton(QStringLiteral("Ok"), QStringLiteral("button_ok"), false);
    d.addButton(QStringLiteral("Cancel"), QStringLiteral("button_cancel"), true);
    edit->setFocus();
    // Enter in the line edit presses the default button, "Ok".
    return d.runModal() == 0 ? edit->text() : defaultText;
}

}  // namespace cw::ui
