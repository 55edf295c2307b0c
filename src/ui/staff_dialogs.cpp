#include "ui/staff_dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "people/staff_management.h"
#include "state/game.h"
#include "ui/employees_pictures.h"
#include "ui/qt_player.h"
#include "ui/app_style.h"
#include "ui/shared_widgets.h"
#include "ui/staff_screen.h"

namespace cw::ui {
namespace {

// The two dialogs' own rules; the rest is the application's look.
const char* const kDialogStyle = R"(
QLabel#capacity { color: #f2c14e; font-weight: bold; }
QLabel#subjectHead { color: #9fb0c4; font-weight: bold; }
QSpinBox { font-size: 11pt; min-width: 70px; }
)";

QPushButton* closeButton(QDialog* dialog) {
    QPushButton* close = makeCloseButton(dialog, dialog);
    close->setAutoDefault(false);
    return close;
}

}  // namespace

Tform_leaderchoose::Tform_leaderchoose(const AutoTeamOffer& offer, QWidget* parent) : QDialog(parent), offer_(offer) {
    setObjectName(QStringLiteral("Tform_leaderchoose"));
    setWindowTitle(qs(offer.caption));
    setStyleSheet(QString::fromLatin1(kDialogStyle));
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(makeHeaderBand(this, staffIcon(26), qs(offer.caption), QStringLiteral("headerLabel")).band);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(18, 12, 18, 16);
    body->setSpacing(10);
    auto* question = new QLabel(gameText(offer.question), this);
    question->setObjectName(QStringLiteral("question"));
    body->addWidget(question);
    auto* capacity = new QLabel(qs(offer.capacityText), this);
    capacity->setObjectName(QStringLiteral("capacity"));
    body->addWidget(capacity);
    auto* boxRow = new QHBoxLayout;
    boxRow->addWidget(new QLabel(QStringLiteral("Employees"), this));
    box_ = new QSpinBox(this);
    box_->setObjectName(QStringLiteral("SpinEdit_count"));
    box_->setRange(0, offer.capacity);
    box_->setValue(offer.preset);
    boxRow->addWidget(box_);
    boxRow->addStretch(1);
    body->addLayout(boxRow);
    auto* buttons = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        buttons_[i] = new QPushButton(qs(offer.buttons[i]), this);
        buttons_[i]->setObjectName(QStringLiteral("Button_choice%1").arg(i + 1));
        buttons_[i]->setAutoDefault(i == 1);
        buttons->addWidget(buttons_[i]);
    }
    connect(buttons_[0], &QPushButton::clicked, this, [this] {
        count_ = 0;
        accept();
    });
    connect(buttons_[1], &QPushButton::clicked, this, [this] {
        count_ = box_->value();
        accept();
    });
    connect(buttons_[2], &QPushButton::clicked, this, [this] {
        count_ = offer_.capacity;
        accept();
    });
    body->addLayout(buttons);
    body->addWidget(closeButton(this), 0, Qt::AlignRight);
    outer->addLayout(body);
    connect(this, &QDialog::rejected, this, [this] { count_ = 0; });
}

TForm_study::TForm_study(Game& g, Player& p, i32 person, QWidget* parent)
    : QDialog(parent), game_(g), player_(p), person_(person) {
    setObjectName(QStringLiteral("TForm_study"));
    setWindowTitle(QStringLiteral("Studying"));
    setStyleSheet(QString::fromLatin1(kDialogStyle));
    setModal(true);
    const Person& who = g.tables().people[person];
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(makeHeaderBand(this, staffIcon(26), QStringLiteral("Studying : ") + qs(who.name.view()),
                                    QStringLiteral("headerLabel"))
                         .band);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(18, 12, 18, 16);
    body->setSpacing(10);
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(18);
    const QString heads[3] = {QStringLiteral("Subject"), QStringLiteral("Flair for study"),
                              QStringLiteral("Current level")};
    for (int c = 0; c < 3; ++c) {
        auto* h = new QLabel(heads[c], this);
        h->setObjectName(QStringLiteral("subjectHead"));
        table->addWidget(h, 0, c);
    }
    subjects_ = new QListWidget(this);
    subjects_->setObjectName(QStringLiteral("ListBox_subjects"));
    for (int s = 0; s < 5; ++s) {
        table->addWidget(new QLabel(QString::fromLatin1(kStudySubjects[s]), this), s + 1, 0);
        table->addWidget(new QLabel(qs(studyFlairWord(who, s)), this), s + 1, 1);
        table->addWidget(new QLabel(qs(studyCurrentWord(who, s)), this), s + 1, 2);
        subjects_->addItem(QString::fromLatin1(kStudySubjects[s]));
    }
    body->addLayout(table);
    subjects_->setCurrentRow(0);
    subjects_->setFixedHeight(5 * 30 + 6);
    body->addWidget(subjects_);
    auto* buttons = new QHBoxLayout;
    auto* start = new QPushButton(QStringLiteral("Start Study"), this);
    start->setObjectName(QStringLiteral("Button_start"));
    start->setAutoDefault(false);
    connect(start, &QPushButton::clicked, this, &TForm_study::pressStart);
    buttons->addWidget(start);
    buttons->addStretch(1);
    buttons->addWidget(closeButton(this));
    body->addLayout(buttons);
    outer->addLayout(body);
}

void TForm_study::pressStart() {
    if (startStudy(game_, player_, person_, subjects_->currentRow())) return;  // refused: the notice says why
    accept();
}

}  // namespace cw::ui
