#include "ui/main_screen_fit.h"

#include <QBoxLayout>
#include <QLayout>
#include <QEvent>
#include <QObject>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

namespace cw::ui {
namespace {

struct ColumnWidths {
    int left;      // the left panels
    int rightMin;  // the right column with its scroll bar's lane
    int margin;
    int spacing;
};
constexpr ColumnWidths kUsual{290, 330, 14, 12};
constexpr ColumnWidths kNarrow{262, 306, 10, 8};
constexpr int kRightMax = 440;

class ColumnFit : public QObject {
public:
    ColumnFit(const MainColumns& c) : QObject(c.window), c_(c) {
        c.window->installEventFilter(this);
        apply(c.window->width() < kNarrowMainWidth);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == c_.window && event->type() == QEvent::Resize) {
            const bool narrow = c_.window->width() < kNarrowMainWidth;
            if (narrow != narrow_) apply(narrow);
            showOptionsTitle();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void apply(bool narrow) {
        narrow_ = narrow;
        const ColumnWidths& w = narrow ? kNarrow : kUsual;
        // The scroll bars get lanes of their own beside the panels.
        const int lane = c_.leftScroll->verticalScrollBar()->sizeHint().width();
        c_.leftBox->setFixedWidth(w.left);
        c_.leftScroll->setFixedWidth(w.left + lane);
        // The right panels lend their lane to the scroll bar only when it
        // shows: without one they are as wide as the column.
        c_.rightBox->setMinimumWidth(w.rightMin - lane);
        c_.rightBox->setMaximumWidth(kRightMax);
        c_.rightScroll->setMinimumWidth(w.rightMin);
        c_.rightScroll->setMaximumWidth(kRightMax);
        c_.columns->setContentsMargins(w.margin, narrow ? 8 : 10, w.margin, narrow ? 8 : 10);
        c_.columns->setSpacing(w.spacing);
        // The centre panels are never squeezed sideways: their scroll bar
        // takes a lane beside them when it shows.
        if (QLayout* l = c_.workBox->layout()) l->activate();
        c_.workScroll->setMinimumWidth(c_.workBox->minimumSizeHint().width() + lane);
        showOptionsTitle();
    }

    // The options bar's buttons say what they are; its title is the one
    // thing a narrow window can spare.
    void showOptionsTitle() {
        if (QWidget* title = c_.window->findChild<QWidget*>(QStringLiteral("optionsTitle")))
            title->setVisible(c_.window->width() >= kOptionsTitleWidth);
    }

    MainColumns c_;
    bool narrow_ = false;
};

}  // namespace

QScrollArea* scrollColumn(QWidget* box, QWidget* parent) {
    auto* scroll = new QScrollArea(parent);
    scroll->setObjectName(QStringLiteral("scrollColumn"));
    scroll->setWidget(box);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus);
    return scroll;
}

void installColumnFit(const MainColumns& c) { new ColumnFit(c); }

}  // namespace cw::ui
