// The game's manual: the HTML pages of manual/ in the game folder, read in a
// window of their own with links, chapters and pictures.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace cw::ui {

class TForm_manual : public QWidget {
    Q_OBJECT
public:
    // `folder` is the manual's folder (the game folder's manual/).
    explicit TForm_manual(const QString& folder, QWidget* parent = nullptr);

    // Shows a chapter: the anchor of the manual's page ("languages"), or
    // the contents for an empty one.
    void showChapter(const QString& anchor);
    QTextBrowser* browser() const { return browser_; }

private:
    QString folder_;
    QTextBrowser* browser_ = nullptr;
};

// The manual window over `over` (made the first time, then reused), at
// `anchor`. The manual lives in `gameFolder`/manual.
TForm_manual* openManual(const QString& gameFolder, QWidget* over, const QString& anchor = {});

}  // namespace cw::ui
