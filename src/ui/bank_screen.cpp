#include "ui/bank_screen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "finance/bank.h"
#include "state/game.h"
#include "ui/finance_look.h"
#include "ui/message_dialogs.h"
#include "ui/painted_icons.h"
#include "ui/shared_widgets.h"

namespace cw::ui {
namespace {

// A bank front with columns, drawn for the header.
QPixmap bankIcon(int size) {
    QPixmap pm = paintingCanvas(QSize(size, size));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(look::kAccent);
    const qreal s = size;
    QPolygonF roof;
    roof << QPointF(s * 0.5, s * 0.06) << QPointF(s * 0.95, s * 0.3) << QPointF(s * 0.05, s * 0.3);
    p.drawPolygon(roof);
    for (int i = 0; i < 4; ++i) p.drawRect(QRectF(s * (0.14 + i * 0.2), s * 0.36, s * 0.11, s * 0.42));
    p.drawRect(QRectF(s * 0.05, s * 0.82, s * 0.9, s * 0.1));
    return pm;
}

QSpinBox* amountBox(QWidget* parent, const QString& name) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setSingleStep(kBankStep);
    box->setGroupSeparatorShown(true);
    box->setSuffix(QStringLiteral(" $"));
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    return box;
}

}  // namespace

Tform_bank::Tform_bank(Game& g, Player& p, QWidget* parent) : QDialog(parent), game_(g), player_(p) {
    setObjectName(QStringLiteral("Tform_bank"));
    setWindowTitle(QStringLiteral("The Bank"));
    setModal(true);
    setStyleSheet(financeStyleSheet());
    setMinimumWidth(640);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    outer->setSpacing(12);
    const HeaderBand header =
        makeHeaderBand(this, bankIcon(34), QStringLiteral("The Bank"), QStringLiteral("headerLabel"));
    outer->addWidget(header.band);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(16, 0, 16, 0);
    body->setSpacing(14);

    QVBoxLayout* accountBody = nullptr;
    QFrame* account = makeCard(this, QStringLiteral("Your account"), accountBody);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(8);
    const char* captions[5] = {
        "Your Bank Account :", "Current Bank Loan :", "Maximum credit :", "Interest rate :", "Maximum new loan :"};
    for (int i = 0; i < 5; ++i) {
        auto* c = new QLabel(QString::fromLatin1(captions[i]), account);
        c->setObjectName(QStringLiteral("caption"));
        figures_[i] = new QLabel(account);
        figures_[i]->setObjectName(QStringLiteral("value"));
        figures_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(c, i, 0);
        grid->addWidget(figures_[i], i, 1);
    }
    accountBody->addLayout(grid);
    accountBody->addSpacing(10);
    auto* usedCaption = new QLabel(QStringLiteral("Credit used"), account);
    usedCaption->setObjectName(QStringLiteral("caption"));
    accountBody->addWidget(usedCaption);
    creditUsed_ = new QProgressBar(account);
    creditUsed_->setObjectName(QStringLiteral("creditUsed"));
    creditUsed_->setRange(0, 100);
    creditUsed_->setFormat(QStringLiteral("%p %"));
    accountBody->addWidget(creditUsed_);
    debtNote_ = new QLabel(account);
    debtNote_->setObjectName(QStringLiteral("debtNote"));
    debtNote_->setWordWrap(true);
    accountBody->addWidget(debtNote_);
    accountBody->addStretch(1);
    // The bank's front fills the card's foot, faded like a watermark.
    QPixmap front = bankIcon(140);
    {
        QPixmap faded(front.size());
        faded.setDevicePixelRatio(front.devicePixelRatio());
        faded.fill(Qt::transparent);
        QPainter fp(&faded);
        fp.setOpacity(0.18);
        fp.drawPixmap(0, 0, front);
        front = faded;
    }
    auto* watermark = new QLabel(account);
    watermark->setPixmap(front);
    watermark->setAlignment(Qt::AlignCenter);
    accountBody->addWidget(watermark);
    accountBody->addStretch(1);
    body->addWidget(account, 1);

    auto* right = new QVBoxLayout;
    right->setSpacing(12);
    comment_ = new QLabel(this);
    comment_->setObjectName(QStringLiteral("speech"));
    comment_->setWordWrap(true);
    comment_->setMinimumHeight(70);
    comment_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    right->addWidget(comment_);

    auto addAction = [this, right](const QString& title, QSpinBox*& box, QPushButton*& button, const QString& boxName,
                                   const QString& buttonText, const QString& buttonName) {
        QVBoxLayout* b = nullptr;
        QFrame* f = makeCard(this, title, b);
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        box = amountBox(f, boxName);
        // The arrows beside the box move the amount by the bank's step.
        auto* down = new QToolButton(f);
        down->setObjectName(boxName + QStringLiteral("Down"));
        down->setArrowType(Qt::DownArrow);
        auto* up = new QToolButton(f);
        up->setObjectName(boxName + QStringLiteral("Up"));
        up->setArrowType(Qt::UpArrow);
        QSpinBox* target = box;
        connect(down, &QToolButton::clicked, target, [target] { target->stepDown(); });
        connect(up, &QToolButton::clicked, target, [target] { target->stepUp(); });
        arrows_.push_back(down);
        arrows_.push_back(up);
        button = new QPushButton(buttonText, f);
        button->setObjectName(buttonName);
        row->addWidget(down);
        row->addWidget(box, 1);
        row->addWidget(up);
        b->addLayout(row);
        // The button gets a line of its own: beside the amount it squeezed
        // the box until the two overlapped on narrow screens.
        auto* action = new QHBoxLayout;
        action->addStretch(1);
        action->addWidget(button);
        b->addLayout(action);
        right->addWidget(f);
    };
    addAction(QStringLiteral("Borrow"), borrowBox_, borrowButton_, QStringLiteral("borrowBox"),
              QStringLiteral("Borrow now"), QStringLiteral("borrowButton"));
    addAction(QStringLiteral("Repay"), repayBox_, repayButton_, QStringLiteral("repayBox"), QStringLiteral("Repay now"),
              QStringLiteral("repayButton"));
    right->addStretch(1);
    body->addLayout(right, 1);
    outer->addLayout(body, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 0);
    buttons->addStretch(1);
    buttons->addWidget(closeButton(this, QStringLiteral("Close")));
    outer->addLayout(buttons);

    connect(borrowButton_, &QPushButton::clicked, this, &Tform_bank::borrowClicked);
    connect(repayButton_, &QPushButton::clicked, this, &Tform_bank::repayClicked);
    // Closing the bank shows the new figures on the main screen.
    connect(this, &QDialog::finished, this, [this] { player_.refreshMainScreen(); });
    refresh();
}

void Tform_bank::refresh() {
    const BankScreen b = bankScreen(game_);
    setMoneyLabel(figures_[0], b.account);
    figures_[1]->setText(dollarsText(b.loan));
    figures_[2]->setText(dollarsText(b.maxCredit));
    figures_[3]->setText(QString::number(b.rate) + QStringLiteral(" %"));
    figures_[4]->setText(dollarsText(b.maxNewLoan));
    comment_->setText(QString::fromStdString(b.comment).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    borrowBox_->setRange(0, b.borrowMax);
    borrowBox_->setEnabled(b.borrowEnabled);
    borrowButton_->setEnabled(b.borrowEnabled);
    repayBox_->setRange(0, b.repayMax);
    repayBox_->setEnabled(b.repayEnabled);
    repayButton_->setEnabled(b.repayEnabled);
    for (std::size_t i = 0; i < arrows_.size(); ++i) arrows_[i]->setEnabled(i < 2 ? b.borrowEnabled : b.repayEnabled);
    const long long used = b.maxCredit > 0 ? std::min<long long>(100, 100LL * b.loan / b.maxCredit) : 0;
    creditUsed_->setValue(static_cast<int>(used));
    const i32 weeks = game_.world().debtWeeks;
    debtNote_->setText(weeks > 0 ? QStringLiteral("Weeks in debt counted by the bank: %1 of 20").arg(weeks)
                                 : QString());
}

void Tform_bank::borrowClicked() {
    borrow(game_, player_, borrowBox_->value());
    borrowBox_->setValue(0);
    refresh();
    emit moneyChanged();
}

void Tform_bank::repayClicked() {
    repay(game_, player_, repayBox_->value());
    repayBox_->setValue(0);
    refresh();
    emit moneyChanged();
}

void Tform_bank::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
    look::centreOver(this, parentWidget());
}

}  // namespace cw::ui
