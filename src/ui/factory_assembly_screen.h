// The factory's screens: the assembly lines (TForm_factory_assembly), the
// warehouse's contents (TForm_storage) and the "New project" dialog of a
// cost-reduction project (TForm_newtask_dialog).
#pragma once

#include <QDialog>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace cw {
struct Game;
class Player;
class NewTaskDialog;
}  // namespace cw

namespace cw::ui {

class TForm_factory_assembly : public QDialog {
    Q_OBJECT
public:
    TForm_factory_assembly(Game& g, Player& p, QWidget* parent = nullptr);

    // Every label from the lines and the warehouse.
    void refresh();
    // A click on a line's label: its list of consoles, chosen by index.
    void chooseProduct(int line, int product);

    int lineCount() const { return static_cast<int>(lines_.size()); }
    QPushButton* lineLabel(int line) const { return lines_[static_cast<std::size_t>(line - 1)].label; }
    QPushButton* stopButton(int line) const { return lines_[static_cast<std::size_t>(line - 1)].stop; }
    QPushButton* startButton(int line) const { return lines_[static_cast<std::size_t>(line - 1)].start; }
    bool animating(int line) const { return lines_[static_cast<std::size_t>(line - 1)].running; }
    QLabel* capacityLabel() const { return capacity_; }
    QLabel* storageLabel() const { return storage_; }
    QPushButton* upgradeButton() const { return upgrade_; }
    QPushButton* storageButton() const { return viewStorage_; }

signals:
    void changed();

protected:
    void done(int result) override;

private:
    struct Line {
        QPushButton* label = nullptr;
        QProgressBar* belt = nullptr;
        QPushButton* start = nullptr;
        QPushButton* stop = nullptr;
        bool running = false;
    };
    void setRunning(int line, bool on);
    void openProductList(int line);

    Game& game_;
    Player& player_;
    std::vector<Line> lines_;
    QLabel* capacity_ = nullptr;
    QLabel* perLine_ = nullptr;
    QLabel* load_ = nullptr;
    QLabel* storage_ = nullptr;
    QLabel* level_ = nullptr;
    QPushButton* upgrade_ = nullptr;
    QPushButton* viewStorage_ = nullptr;
};

class TForm_storage : public QDialog {
    Q_OBJECT
public:
    explicit TForm_storage(const Game& g, QWidget* parent = nullptr);
    void refresh();
    QTableWidget* grid() const { return grid_; }
    QLabel* freeLabel() const { return free_; }
    QLabel* capacityLabel() const { return capacity_; }

private:
    const Game& game_;
    QTableWidget* grid_ = nullptr;
    QLabel* free_ = nullptr;
    QLabel* capacity_ = nullptr;
};

class TForm_newtask_dialog : public QDialog {
    Q_OBJECT
public:
    TForm_newtask_dialog(NewTaskDialog& model, Player& p, QWidget* parent = nullptr);
    QLabel* leaderLabel() const { return leader_; }
    QSpinBox* amountBox() const { return amount_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* findButton() const { return find_; }

protected:
    void reject() override;

private:
    NewTaskDialog& model_;
    Player& player_;
    QLabel* leader_ = nullptr;
    QSpinBox* amount_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* find_ = nullptr;
};

// Opens the storage screen over `parent` and returns when it is closed.
void showStorage(const Game& g, QWidget* parent);

}  // namespace cw::ui
