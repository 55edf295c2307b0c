// The planning views: the sales charts (TForm_salesCharts), the release
// calendar (Tform_Calendar), the release analysis (Tform_Analyse) and the
// genre demand (TForm_genredemands).
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace cw {
struct Game;
class Player;
}  // namespace cw

namespace cw::ui {

class TForm_salesCharts : public QWidget {
    Q_OBJECT
public:
    explicit TForm_salesCharts(const Game& g, QWidget* parent = nullptr);
    void rebuild();
    QTableWidget* grid() const { return grid_; }
    QComboBox* platformBox() const { return platform_; }
    QComboBox* genreBox() const { return genre_; }
    QComboBox* continentBox() const { return continent_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillLists();
    const Game& game_;
    QLabel* date_ = nullptr;
    QComboBox* platform_ = nullptr;
    QComboBox* genre_ = nullptr;
    QComboBox* continent_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

class Tform_Calendar : public QWidget {
    Q_OBJECT
public:
    explicit Tform_Calendar(const Game& g, QWidget* parent = nullptr);
    void rebuild();
    QComboBox* yearBox() const { return year_; }
    QComboBox* halfBox() const { return half_; }
    QCheckBox* gamesCheck() const { return games_; }
    QCheckBox* mediocreCheck() const { return mediocre_; }
    // The text of week box k (1..26) as shown.
    QString boxText(int k) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillLists();
    const Game& game_;
    QComboBox* year_ = nullptr;
    QComboBox* half_ = nullptr;
    QComboBox* platform_ = nullptr;
    QComboBox* genre_ = nullptr;
    QCheckBox* consoles_ = nullptr;
    QCheckBox* games_ = nullptr;
    QCheckBox* mediocre_ = nullptr;
    QCheckBox* average_ = nullptr;
    QWidget* boxes_[26] = {};
    QLabel* boxTitles_[26] = {};
    QLabel* boxLines_[26] = {};
};

class Tform_Analyse : public QWidget {
    Q_OBJECT
public:
    Tform_Analyse(Game& g, Player& p, QWidget* parent = nullptr);
    // Fills the title, platform and genre (from a game being planned).
    void setSubject(const QString& title, int platform, int genre);
    // "Analyse": asks, pays and shows the two boxes.
    void pressAnalyse();
    QLabel* nowBox() const { return now_; }
    QLabel* laterBox() const { return later_; }
    QPushButton* analyseButton() const { return analyse_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillLists();
    Game& game_;
    Player& player_;
    QLineEdit* title_ = nullptr;
    QComboBox* platform_ = nullptr;
    QComboBox* genre_ = nullptr;
    QPushButton* analyse_ = nullptr;
    QLabel* now_ = nullptr;
    QLabel* later_ = nullptr;
    QLabel* subject_ = nullptr;
};

class TForm_genredemands : public QWidget {
    Q_OBJECT
public:
    explicit TForm_genredemands(const Game& g, QWidget* parent = nullptr);
    void rebuild();
    QTableWidget* grid() const { return grid_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Game& game_;
    QTableWidget* grid_ = nullptr;
};

}  // namespace cw::ui
