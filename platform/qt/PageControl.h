// A page control: pages chosen by their tabs, one page shown at a time.
//
// The tabs wrap into as many rows as the control's width needs, so that every
// caption shows whole however long the captions are; the row holding the
// active tab stands next to the pages, and the tabs of a row share its width.
// A page can be disabled (its tab greyed, its controls disabled) and its tab
// hidden. Choosing a tab with the mouse, or with the arrow keys while the tab
// has the focus, emits changed(); the program's own SetActivePage() emits
// nothing.
#pragma once

#include <QAbstractButton>
#include <QWidget>
#include <vector>

class QStackedWidget;

namespace qora {

class PageTab : public QAbstractButton {
    Q_OBJECT

public:
    explicit PageTab(const QString& caption, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void arrowKey(int step);  // -1 Left, +1 Right

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class PageControl : public QWidget {
    Q_OBJECT

public:
    explicit PageControl(QWidget* parent = nullptr);

    // Adds a page with its tab's caption (code-page text); returns its index.
    int AddPage(QWidget* page, const char* caption);
    int PageCount() const { return static_cast<int>(tabs_.size()); }
    QWidget* Page(int index) const;
    PageTab* Tab(int index) const;

    int ActivePageIndex() const { return active_; }
    QWidget* ActivePage() const { return Page(active_); }
    void SetActivePage(int index);  // emits nothing

    void SetPageEnabled(int index, bool enabled);
    bool PageEnabled(int index) const;
    void SetTabVisible(int index, bool visible);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void changed(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool Choosable(int index) const;
    void Choose(int index);  // the user's choice
    void Step(int from, int step);
    std::vector<std::vector<int>> TabRows(int width) const;
    int TabHeight() const;
    QRect PageFrame() const;
    void LayOut();

    QStackedWidget* stack_;
    std::vector<PageTab*> tabs_;
    std::vector<bool> enabled_;
    int active_ = -1;
};

}  // namespace qora
