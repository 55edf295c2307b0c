// The main screen: the player's home between turns. It shows the company's
// state from the core's main-screen model and turns clicks into core actions.
#pragma once

#include <QFrame>
#include <QMainWindow>
#include <QPointer>

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSlider;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QGraphicsOpacityEffect;
class QVBoxLayout;

namespace cw {
struct Game;
class Player;
}  // namespace cw

namespace cw::ui {

class TForm_Project_progress;
class CityMap;
class ProductCard;
class MarketPanel;
class CashCurve;

// The dark veil laid over the main screen while a week runs, so that
// nothing on it can be clicked in the middle of a turn.
class CoverPanel : public QWidget {
    Q_OBJECT
public:
    explicit CoverPanel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class TForm_main : public QMainWindow {
    Q_OBJECT
public:
    TForm_main(Game& game, Player& player, QWidget* parent = nullptr);

    // The progress window lives on top of the cover panel, centred.
    void attachProgressWindow(TForm_Project_progress* progress);
    void setCoverVisible(bool visible);
    bool coverVisible() const;
    // True while a turn runs; clicks and keys for another turn wait.
    bool busy() const { return busy_; }

    // Redraws every status panel from the state, changing nothing.
    void refresh();
    void setChristmasBanner(const QString& text);
    // Shows a window of its own (the inbox, the employees, ...) centred over
    // the main screen and below its header, in front.
    void presentWindow(QWidget* window);

    // The task chosen in "Projects in progress" (0: none) and its panel.
    int selectedTask() const { return selectedTask_; }
    void selectTask(int task);
    // "Project properties" for the chosen game task, "Intensify Study" for
    // the chosen study.
    void openSelectedProject();
    void intensifySelectedStudy();
    // The product panel of products entry `slot`, beside `at` (in the main
    // window's coordinates); "Release Product" for a ready product.
    void showProductPanel(int slot, QPoint at);
    void releaseListedProduct(int slot);
    ProductCard* productCard() const { return productCard_; }
    // The town of the company, in the first tab beside the task information.
    CityMap* cityMap() const { return cityMap_; }
    QTabWidget* workTabs() const { return workTabs_; }
    // "Review" on a game of the product list: its review again.
    void showProductReview(int product);
    QSlider* researchSlider(int i) const { return researchSliders_[i]; }

public slots:
    void nextWeekClicked();
    void fastForwardClicked();
    void endGameClicked();
    void saveGameClicked();
    // Tab on the progress window: one more week, right after the current one.
    void oneMoreWeekRequested();
    void showNewsCategory(int category);
    // One beat of the 500 ms icon timer: the inbox blinks while a letter has
    // not been looked at.
    void blinkInbox();

signals:
    void inboxRequested();
    // A button of the Company panel asks for the screen of that object name.
    void screenRequested(const QString& screenName);
    // The "Project properties" screen, showing this game task.
    void projectRequested(int task);
    // The product screen, showing products entry `slot`.
    void productRequested(int slot);
    // A week (or a fast forward) has been played and the screen redrawn.
    void turnPlayed();
    // The game has ended; the program closes.
    void gameEnded();

protected:
    // Esc and Tab anywhere on the main screen stop a running fast forward.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildTurnPanel();
    QWidget* buildFinancePanel();
    QWidget* buildSessionPanel();
    QWidget* buildScreensPanel();
    QWidget* buildNewsPanel();
    QWidget* buildWorkPanel();
    void refreshWork();
    void refreshProductCard();
    void showTaskPanel();
    QWidget* buildOptionsBar();
    QFrame* buildEventSetup();
    QFrame* buildInboxSetup();
    void togglePopup(QFrame* popup, QWidget* anchor);
    void runTurn(bool fastForward);
    void afterAction();
    void placeOverlays();

    Game& game_;
    Player& player_;
    bool busy_ = false;
    int extraWeeks_ = 0;
    bool closeAfterTurn_ = false;
    int newsCategory_ = 1;
    bool blinkDim_ = false;

    CoverPanel* cover_ = nullptr;
    QPointer<TForm_Project_progress> progress_;
    QLabel* companyLabel_ = nullptr;
    QLabel* playerLabel_ = nullptr;
    QLabel* weekLabel_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    QLabel* cashLabel_ = nullptr;
    QLabel* financeCaptions_[3] = {};
    QLabel* financeValues_[3] = {};
    CashCurve* cashCurve_ = nullptr;
    QPushButton* nextWeekButton_ = nullptr;
    QPushButton* fastForwardButton_ = nullptr;
    QPushButton* inboxButton_ = nullptr;
    QGraphicsOpacityEffect* inboxOpacity_ = nullptr;
    QLabel* christmasBanner_ = nullptr;
    QPushButton* newsButtons_[3] = {};
    QLabel* newsEmpty_ = nullptr;
    QScrollArea* newsScroll_ = nullptr;
    QLabel* newsTitles_[4] = {};
    QLabel* newsTexts_[4] = {};
    MarketPanel* marketPanel_ = nullptr;
    QTreeWidget* taskList_ = nullptr;
    int selectedTask_ = 0;
    QPushButton* newProjectButton_ = nullptr;
    QPushButton* projectButton_ = nullptr;
    QPushButton* intensifyButton_ = nullptr;
    QLabel* taskPanelTitle_ = nullptr;
    QLabel* taskPanelText_ = nullptr;
    QProgressBar* taskProgress_ = nullptr;
    // The "Employee Reseach Amount" sliders of a chosen game task.
    QWidget* researchRow_ = nullptr;
    QSlider* researchSliders_[3] = {};
    QLabel* researchValues_[3] = {};
    QTabWidget* productTabs_ = nullptr;
    QListWidget* productLists_[3] = {};
    ProductCard* productCard_ = nullptr;
    QFrame* eventSetup_ = nullptr;
    QFrame* inboxSetup_ = nullptr;
    QPushButton* eventStopButton_ = nullptr;
    QPushButton* inboxSetupButton_ = nullptr;
    QCheckBox* autosaveBox_ = nullptr;
    QLabel* playTimeLabel_ = nullptr;
    QLabel* totalPlayTimeLabel_ = nullptr;
    QLabel* cheatCaption_ = nullptr;
    QLabel* cheatLabel_ = nullptr;
    QTimer* iconTimer_ = nullptr;
    CityMap* cityMap_ = nullptr;
    QTabWidget* workTabs_ = nullptr;
};

}  // namespace cw::ui
