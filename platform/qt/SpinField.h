// Up-down arrows, and a spin field: a read-only field with up-down arrows
// beside it.
//
// An UpDown keeps a position within its range. Each click of an arrow (or Up
// and Down while it has the focus) moves the position by one, never beyond the
// range and without wrapping, and then emits clicked() with the arrow, also
// when the position is already at the end of the range: some dialogs count
// the clicks themselves. A SpinField rewrites its field on every click, by
// default as the position in the field's columns ("%5d"); a dialog may give
// its own text for a position.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

class QLineEdit;
class QToolButton;

namespace qora {

enum class UpDownButton { Up, Down };

class UpDown : public QWidget {
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

    void SetRange(int minimum, int maximum);
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    void SetPosition(int position);  // kept within the range; emits nothing
    int Position() const { return position_; }

    void Click(UpDownButton button);  // what a click of that arrow does

    QToolButton* Arrow(UpDownButton button) const;
    QSize sizeHint() const override;

signals:
    void clicked(UpDownButton button);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

class SpinField : public QWidget {
    Q_OBJECT

public:
    // columns: the width of the default text, and of the field in digits.
    explicit SpinField(int columns, QWidget* parent = nullptr);

    using PositionText = std::function<std::string(int position)>;
    void SetPositionText(PositionText text);

    void SetRange(int minimum, int maximum) { upDown_->SetRange(minimum, maximum); }
    void SetPosition(int position);  // moves the arrows' position and rewrites the field
    int Position() const { return upDown_->Position(); }
    void ShowPosition();  // rewrites the field from the position

    QLineEdit* Field() const { return field_; }
    UpDown* Arrows() const { return upDown_; }

signals:
    void clicked(UpDownButton button);  // after the field was rewritten

private:
    QLineEdit* field_;
    UpDown* upDown_;
    PositionText text_;
};

}  // namespace qora
