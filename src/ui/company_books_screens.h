// The company's books on screen: "Company Overview" and the "Company Graphs
// and Reports" window with its graphs, the annual report and the
// milestones. Everything shown comes from the core's books model.
#pragma once

#include <QDialog>
#include <QWidget>
#include <vector>

class QChart;
class QChartView;
class QGridLayout;
class QLabel;
class QLineSeries;
class QProgressBar;
class QPlainTextEdit;
class QTabWidget;
class QTableWidget;
class QValueAxis;

namespace cw {
struct Game;
}

namespace cw::ui {

class TForm_company_overview : public QDialog {
    Q_OBJECT
public:
    explicit TForm_company_overview(Game& g, QWidget* parent = nullptr);
    void refresh();
    void chooseTab(int tab);  // 0 games, 1 platforms

    QTableWidget* productGrid() const { return grid_; }
    QLabel* field(const QString& name) const;
    QProgressBar* opinionBar() const { return opinion_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    Game& game_;
    int tab_ = 0;
    QWidget* sheet_ = nullptr;
    QLabel* goal_ = nullptr;
    QProgressBar* opinion_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QTabWidget* tabs_ = nullptr;
};

// The annual report's three columns beside the captions.
class AnnualReportView : public QWidget {
    Q_OBJECT
public:
    explicit AnnualReportView(Game& g, QWidget* parent = nullptr);
    void refresh();
    // The cell of column 0..2 (this year first) on line `line`.
    QLabel* cell(int column, int line) const;

private:
    Game& game_;
    QGridLayout* grid_ = nullptr;
};

class TForm_books : public QDialog {
    Q_OBJECT
public:
    enum Page { Graphs = 0, Reports = 1, Milestones = 2 };
    explicit TForm_books(Game& g, QWidget* parent = nullptr);
    void showPage(Page page);
    void showGraph(int kind);
    void showMilestoneList(bool world);
    void refresh();

    QChartView* chartView() const { return chartView_; }
    QLineSeries* series() const { return series_; }
    QLabel* graphTitle() const { return title_; }
    AnnualReportView* report() const { return report_; }
    QPlainTextEdit* milestonesText() const { return milestones_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    Game& game_;
    int kind_ = 1;
    bool worldMilestones_ = false;
    QTabWidget* tabs_ = nullptr;
    QLabel* title_ = nullptr;
    QChart* chart_ = nullptr;
    QChartView* chartView_ = nullptr;
    QLineSeries* series_ = nullptr;
    QValueAxis* xAxis_ = nullptr;
    QValueAxis* yAxis_ = nullptr;
    AnnualReportView* report_ = nullptr;
    QPlainTextEdit* milestones_ = nullptr;
};

// The end screen's "View Final annual reports": the report window on the
// report page, shown modally over `parent`.
void showFinalAnnualReport(Game& g, QWidget* parent);

// The small cash curve of the last weeks beside the main screen's finances.
class CashCurve : public QWidget {
    Q_OBJECT
public:
    explicit CashCurve(QWidget* parent = nullptr);
    void setValues(std::vector<int> values);
    const std::vector<int>& values() const { return values_; }
    QSize sizeHint() const override { return {150, 36}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> values_;
};

}  // namespace cw::ui
