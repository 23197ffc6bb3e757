#include "platform/qt/PageControl.h"

#include "platform/qt/Text.h"

#include <QEvent>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <algorithm>

namespace qora {

namespace {

constexpr int PageMargin = 2;  // between the frame's edge and the page

QStyleOptionTab TabOption(const PageTab& tab) {
    QStyleOptionTab option;
    option.initFrom(&tab);
    option.shape = QTabBar::RoundedNorth;
    option.text = tab.text();
    option.position = QStyleOptionTab::Middle;
    if (tab.isChecked()) option.state |= QStyle::State_Selected;
    return option;
}

}  // namespace

// ---- A tab ---------------------------------------------------------------------------

PageTab::PageTab(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
}

QSize PageTab::sizeHint() const {
    const QStyleOptionTab option = TabOption(*this);
    const int hspace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const int vspace = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option,
                                     QSize(caption.width() + hspace, caption.height() + vspace), this);
}

void PageTab::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTab option = TabOption(*this);
    option.rect = rect();
    painter.drawControl(QStyle::CE_TabBarTab, option);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_TabBarTabText, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void PageTab::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        emit arrowKey(event->key() == Qt::Key_Left ? -1 : 1);
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

// ---- The page control ----------------------------------------------------------------

PageControl::PageControl(QWidget* parent) : QWidget(parent), stack_(new QStackedWidget(this)) {}

int PageControl::AddPage(QWidget* page, const char* caption) {
    const int index = PageCount();
    auto* tab = new PageTab(FromCodePage(caption), this);
    tabs_.push_back(tab);
    enabled_.push_back(true);
    stack_->addWidget(page);
    connect(tab, &QAbstractButton::clicked, this, [this, index] { Choose(index); });
    connect(tab, &PageTab::arrowKey, this, [this, index](int step) { Step(index, step); });
    if (active_ < 0) SetActivePage(index);
    updateGeometry();
    LayOut();
    return index;
}

QWidget* PageControl::Page(int index) const {
    return index >= 0 && index < PageCount() ? stack_->widget(index) : nullptr;
}

PageTab* PageControl::Tab(int index) const {
    return index >= 0 && index < PageCount() ? tabs_[static_cast<std::size_t>(index)] : nullptr;
}

void PageControl::SetActivePage(int index) {
    if (Page(index) == nullptr) return;
    active_ = index;
    stack_->setCurrentIndex(index);
    for (int i = 0; i < PageCount(); ++i) {
        Tab(i)->setChecked(i == index);
        Tab(i)->setFocusPolicy(i == index ? Qt::TabFocus : Qt::NoFocus);
    }
    LayOut();
    update();
}

void PageControl::SetPageEnabled(int index, bool enabled) {
    if (Page(index) == nullptr) return;
    enabled_[static_cast<std::size_t>(index)] = enabled;
    Tab(index)->setEnabled(enabled);
    Page(index)->setEnabled(enabled);
}

bool PageControl::PageEnabled(int index) const {
    return Page(index) != nullptr && enabled_[static_cast<std::size_t>(index)];
}

void PageControl::SetTabVisible(int index, bool visible) {
    if (Page(index) == nullptr) return;
    Tab(index)->setVisible(visible);
    updateGeometry();
    LayOut();
}

bool PageControl::Choosable(int index) const { return PageEnabled(index) && !Tab(index)->isHidden(); }

void PageControl::Choose(int index) {
    if (!Choosable(index) || index == active_) {
        SetActivePage(active_);  // a click must not leave the tabs' checks behind
        return;
    }
    SetActivePage(index);
    emit changed(index);
}

void PageControl::Step(int from, int step) {
    for (int index = from + step; index >= 0 && index < PageCount(); index += step) {
        if (!Choosable(index)) continue;
        Choose(index);
        Tab(index)->setFocus(Qt::TabFocusReason);
        return;
    }
}

// The visible tabs, row by row, each row as wide as `width` allows (a tab
// wider than that has a row of its own).
std::vector<std::vector<int>> PageControl::TabRows(int width) const {
    std::vector<std::vector<int>> rows;
    int used = 0;
    for (int index = 0; index < PageCount(); ++index) {
        if (Tab(index)->isHidden()) continue;
        const int tabWidth = Tab(index)->sizeHint().width();
        if (rows.empty() || used + tabWidth > width) {
            rows.emplace_back();
            used = 0;
        }
        rows.back().push_back(index);
        used += tabWidth;
    }
    return rows;
}

int PageControl::TabHeight() const {
    int height = 0;
    for (const PageTab* tab : tabs_) height = std::max(height, tab->sizeHint().height());
    return height;
}

int PageControl::heightForWidth(int width) const {
    const int rows = std::max<int>(1, static_cast<int>(TabRows(width).size()));
    return rows * TabHeight() + stack_->minimumSizeHint().height() + 2 * PageMargin;
}

QSize PageControl::sizeHint() const {
    int width = stack_->sizeHint().width() + 2 * PageMargin;
    for (const PageTab* tab : tabs_) width = std::max(width, tab->sizeHint().width());
    return {width, heightForWidth(width)};
}

QSize PageControl::minimumSizeHint() const {
    int width = stack_->minimumSizeHint().width() + 2 * PageMargin;
    for (const PageTab* tab : tabs_) width = std::max(width, tab->sizeHint().width());
    return {width, heightForWidth(width)};
}

QRect PageControl::PageFrame() const {
    const int rows = static_cast<int>(TabRows(width()).size());
    const int top = rows * TabHeight();
    return {0, top, width(), height() - top};
}

void PageControl::LayOut() {
    std::vector<std::vector<int>> rows = TabRows(width());
    // The row of the active tab stands next to the pages.
    const auto activeRow = std::find_if(rows.begin(), rows.end(), [this](const std::vector<int>& row) {
        return std::find(row.begin(), row.end(), active_) != row.end();
    });
    if (activeRow != rows.end()) std::rotate(activeRow, activeRow + 1, rows.end());
    const int tabHeight = TabHeight();
    int top = 0;
    for (const std::vector<int>& row : rows) {
        int hinted = 0;
        for (const int index : row) hinted += Tab(index)->sizeHint().width();
        // Several rows share the width out; a single row keeps its tabs' widths.
        const int spare = rows.size() > 1 ? std::max(0, width() - hinted) : 0;
        int left = 0;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int share = spare / static_cast<int>(row.size()) +
                              (static_cast<int>(i) < spare % static_cast<int>(row.size()) ? 1 : 0);
            const int tabWidth = Tab(row[i])->sizeHint().width() + share;
            Tab(row[i])->setGeometry(left, top, tabWidth, tabHeight);
            left += tabWidth;
        }
        top += tabHeight;
    }
    stack_->setGeometry(PageFrame().adjusted(PageMargin, PageMargin, -PageMargin, -PageMargin));
}

void PageControl::resizeEvent(QResizeEvent*) { LayOut(); }

void PageControl::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = PageFrame();
    frame.shape = QTabBar::RoundedNorth;
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

void PageControl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        updateGeometry();
        LayOut();
    }
    QWidget::changeEvent(event);
}

}  // namespace qora
