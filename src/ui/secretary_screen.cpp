#include "ui/secretary_screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "people/labour_market.h"
#include "state/game.h"
#include "ui/app_style.h"

namespace cw::ui {

namespace {

QWidget* shownWindow(const char* name) {
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
    return nullptr;
}

bool comboPastFirst(const QWidget* page, const char* name) {
    const auto* box = page ? page->findChild<QComboBox*>(QLatin1String(name)) : nullptr;
    return box && box->currentIndex() > 0;
}

}  // namespace

Tform_Secatary::Tform_Secatary(Game& game, QWidget* mainWindow)
    : QWidget(mainWindow), game_(game), main_(mainWindow) {
    setObjectName(QStringLiteral("Tform_Secatary"));
    setWindowTitle(QStringLiteral("secretary"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("secretaryText"));
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setMinimumSize(300, 120);
    text_->setStyleSheet(QStringLiteral("background: #fffdf5; border: 1px solid #d8cfb5; border-radius: 6px; "
                                        "padding: 10px; color: #2b3a4a;"));
    layout->addWidget(text_, 1);
    auto* row = new QHBoxLayout;
    turnOff_ = new QCheckBox(QStringLiteral("Turn off Tutor"), this);
    turnOff_->setObjectName(QStringLiteral("turnOffTutor"));
    row->addWidget(turnOff_);
    row->addStretch(1);
    close_ = makeCloseButton(this, this);
    close_->hide();
    row->addWidget(close_);
    layout->addLayout(row);
    makeGameWindow(this);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(340, 220);

    timer_ = new QTimer(this);
    timer_->setInterval(300);
    connect(timer_, &QTimer::timeout, this, &Tform_Secatary::tick);
    connect(turnOff_, &QCheckBox::toggled, this, [this](bool off) {
        if (off) {
            timer_->stop();
            hide();
        } else {
            timer_->start();
        }
    });
    // "Close" also stops the tutorial's timer; closing by the window's own
    // button or by the tutorial leaves it running.
    connect(close_, &QPushButton::clicked, timer_, &QTimer::stop);
    text_->setText(QString::fromStdString(tutorShownText(tutorialStep)).replace(QStringLiteral("\r\n"),
                                                                                 QStringLiteral("\n")));
}

QString Tform_Secatary::text() const { return text_->text(); }

void Tform_Secatary::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!turnOff_->isChecked()) timer_->start();
}

TutorView Tform_Secatary::look() const {
    TutorView v;
    QWidget* dev = shownWindow("TForm_development");
    v.developmentShown = dev != nullptr;
    QWidget* page = dev ? dev->findChild<QWidget*>(QStringLiteral("newEnginePage")) : nullptr;
    v.newEnginePageShown = page && page->isVisible();
    // The new-engine page shows its name, leader and choices at once.
    v.newEngineSecondPart = v.newEnginePageShown;
    v.engineChoicesMade =
        comboPastFirst(page, "ComboBox_engineplatform") && comboPastFirst(page, "ComboBox_enginegenre");
    v.manageEmployeesShown = shownWindow("TForm_view_employees") != nullptr;
    v.hiringShown = shownWindow("TForm_employees") != nullptr;
    v.interviewShown = shownWindow("TForm_interview") != nullptr;
    v.employeeCount = employeeCount(game_);
    return v;
}

void Tform_Secatary::placeTopRight() {
    if (!main_) return;
    const QRect m = main_->window()->geometry();
    move(m.left() + m.width() - (width() + 10), m.top());
}

void Tform_Secatary::tick() {
    const TutorTick t = tutorTick(tutorialStep, look());
    if (t.placeDevelopment)
        if (QWidget* dev = shownWindow("TForm_development"); dev && main_) {
            const QRect m = main_->window()->geometry();
            dev->move(m.left(), m.top() + m.height() - (dev->height() - 5));
        }
    if (t.placeManageEmployees)
        if (QWidget* w = shownWindow("TForm_view_employees"); w && main_)
            w->move(main_->window()->geometry().left(), main_->window()->geometry().top() + 124);
    if (t.placeHiring)
        if (QWidget* w = shownWindow("TForm_employees"); w && main_) w->move(main_->window()->geometry().topLeft());
    if (t.keepSecretaryInFront) {
        placeTopRight();
        raise();
    }
    if (t.closeSecretary) hide();
    if (!t.text.empty())
        text_->setText(QString::fromStdString(t.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (t.showSecretary) {
        show();
        raise();
        placeTopRight();
    }
    if (t.showCloseButton) close_->show();
    if (t.placeTopLeft && main_) move(main_->window()->geometry().topLeft());
}

}  // namespace cw::ui
