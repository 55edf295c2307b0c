#include "ui/placeholder_screens.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/message_dialogs.h"
#include "ui/painted_icons.h"

namespace cw::ui {
namespace {

QDialog* framedDialog(QWidget* parent, const QString& name, const QString& heading, const QString& body,
                      const QString& buttonText) {
    auto* d = new QDialog(parent);
    d->setObjectName(name);
    d->setWindowTitle(heading);
    auto* col = new QVBoxLayout(d);
    col->setContentsMargins(0, 0, 0, 16);
    auto* band = new QWidget(d);
    band->setObjectName(QStringLiteral("headerBand"));
    band->setAttribute(Qt::WA_StyledBackground);
    auto* bandRow = new QHBoxLayout(band);
    auto* title = new QLabel(heading, band);
    title->setObjectName(QStringLiteral("headerLabel"));
    bandRow->addWidget(title);
    col->addWidget(band);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(20, 12, 20, 4);
    auto* icon = new QLabel(d);
    icon->setPixmap(paintedIcon(PaintedIcon::Company, 48).pixmap(48, 48));
    row->addWidget(icon, 0, Qt::AlignTop);
    auto* text = new QLabel(body, d);
    text->setObjectName(QStringLiteral("bodyLabel"));
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    row->addWidget(text, 1);
    col->addLayout(row);
    auto* button = new QPushButton(buttonText, d);
    button->setObjectName(QStringLiteral("closeButton"));
    button->setProperty("role", QStringLiteral("secondary"));
    QObject::connect(button, &QPushButton::clicked, d, &QDialog::accept);
    col->addWidget(button, 0, Qt::AlignHCenter);
    return d;
}

}  // namespace

QDialog* createPlaceholderScreen(const QString& name, QWidget* parent) {
    QDialog* d = framedDialog(parent, name, name,
                              QStringLiteral("This part of the company is still being built.\n"
                                             "It opens here in a later version of the game."),
                              QStringLiteral("Close"));
    d->hide();
    return d;
}

void runScreenPlaceholder(QWidget* parent, const QString& name) {
    QDialog* d = createPlaceholderScreen(name, parent);
    d->exec();
    delete d;
}

QWidget* ScreenSet::find(const QString& name) const {
    for (const auto& s : screens_)
        if (s && s->objectName() == name) return s;
    return nullptr;
}

std::vector<QString> ScreenSet::names() const {
    std::vector<QString> out;
    for (const auto& s : screens_)
        if (s) out.push_back(s->objectName());
    return out;
}

}  // namespace cw::ui
