#pragma once

#include "platform/MessageDialogs.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <vector>

class QEventLoop;
class QLabel;
class TPushButton;

// A modal message dialog drawn inside the stage's canvas: a framed grey box with a title strip,
// an icon, the text in Arial 12 pt and its buttons, its top edge at y 200, centred across the
// canvas. While it is open it alone takes clicks and keys; afterwards the focus goes back to the
// control that had it.
class TMessageDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int Top = 200;
    static constexpr int ButtonWidth = 75;
    static constexpr int ButtonHeight = 25;
    // Buttons stand this far above the dialog's bottom edge.
    static constexpr int ButtonsAboveBottom = 60;

    TMessageDialog(QWidget* canvas, const TDialogRequest& request);
    ~TMessageDialog() override;

    // The buttons' left edges in a dialog of `width`.
    static std::vector<int> ButtonLefts(int width, int count, int buttonWidth, TButtonPlacement placement);

    // Shows the dialog and waits for the answer.
    TDialogResult Exec();
    // Ends the dialog with an answer (what its buttons and keys do).
    void Answer(TDialogResult result);

    const std::vector<TPushButton*>& Buttons() const { return buttons_; }
    TPushButton* CloseButton() const { return closeButton_; }
    const QString& Title() const { return request_.title; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Layout();
    // Esc and the moves between the buttons; true when the key was used.
    bool HandleKey(const QKeyEvent& event);
    bool Inside(const QObject* object) const;
    // The dialog control the keys go to; a button of the dialog when the focus is elsewhere.
    QWidget* FocusTarget();

    TDialogRequest request_;
    QPixmap icon_;
    QLabel* text_;
    std::vector<TPushButton*> buttons_;
    TPushButton* closeButton_ = nullptr;
    QEventLoop* loop_ = nullptr;
    TDialogResult result_ = TDialogResult::None;
    QPointer<QWidget> focusBefore_;
    bool forwarding_ = false;
};
