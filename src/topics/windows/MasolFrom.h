#pragma once

#include "framework/PracticeWindow.h"

#include <QImage>
#include <array>
#include <functional>
#include <set>

class QLabel;
class TImage;
class TPushButton;

// The icon window "Másolás": up to six guide icons in a row, selected by clicks (Ctrl adds),
// Shift + arrows and dragged into the other window, which takes them (Ctrl held at the drop
// copies); Delete removes the selected ones. Only the target window takes drops.
class TMasolFrom : public TPracticeWindow {
    Q_OBJECT
public:
    static constexpr int SourceTag = 100;
    static constexpr int TargetTag = 200;
    static constexpr int IconCount = 6;

    // What every icon window of a page shares: the icons' pictures (read once for all windows)
    // and where the mouse is in its work on icons.
    struct TShared {
        TShared();

        std::array<QImage, IconCount> pictures;
        int focusIcon = 0;
        bool mouseDown = false;
        bool dragging = false;
    };

    TMasolFrom(QWidget* host, int tag, TShared& shared);

    int Tag() const { return tag_; }
    TImage* img() const { return img_; }
    QLabel* txtTask() const { return txtTask_; }
    TPushButton* Button1() const { return button1_; }
    // Icon 1 ... 6.
    TImage* Icon(int number) const { return icons_.at(number - 1); }
    const std::set<int>& Set() const { return set_; }
    bool Selected(int number) const { return selected_.at(number - 1); }

    void SetIcons(const std::set<int>& icons);
    void LayOut();
    void Clear();

    // The page checks its task after every drop, Delete and "Tovább!".
    std::function<void()> OnCheck;

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int IconAt(const QObject* watched) const;
    void IconDown(int number, Qt::KeyboardModifiers modifiers);
    void IconDragged(int number, Qt::KeyboardModifiers modifiers);
    void IconUp(int number, QPoint global, Qt::KeyboardModifiers modifiers);
    // The window the pointer is over that takes a drop, else nullptr.
    TMasolFrom* DropTarget(QPoint global) const;
    void Drop(TMasolFrom& source, bool copy);
    // Icon index + 1 leaves the window (moved away or deleted).
    void Remove(int index);
    void ExtendSelection(int direction);
    void Repaint();

    int tag_;
    TShared& shared_;
    TImage* img_;
    QLabel* txtTask_;
    TPushButton* button1_;
    std::array<TImage*, IconCount> icons_{};
    std::array<QWidget*, IconCount> frames_{};
    std::array<bool, IconCount> selected_{};
    std::set<int> set_;
};
