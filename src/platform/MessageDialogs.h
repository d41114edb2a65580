#pragma once

#include <QString>

// Message dialogs with an icon, a title and a choice of buttons, as the lessons show them; the
// answer tells which button (or key) ended the dialog.
enum class TDialogIcon { Information, Error, Question, Warning };
enum class TDialogResult { None, Ok, Yes, No, Cancel };
enum class TDialogButtons { Ok, YesNo, YesNoCancel };
// Spread: n buttons of width w centred as a row, c = (W - n·w) div 2, the second and third
// shifted apart (c - 5, c + w, c + 2w + 5). AroundCentre: two buttons 3 px either side of the
// centre.
enum class TButtonPlacement { Spread, AroundCentre };

struct TDialogRequest {
    TDialogIcon icon = TDialogIcon::Information;
    QString title;
    QString text;
    TDialogButtons buttons = TDialogButtons::Ok;
    // A close button in the title strip; it answers Cancel.
    bool closeButton = true;
    // What Esc answers; None: Esc does nothing.
    TDialogResult escape = TDialogResult::None;
    TButtonPlacement placement = TButtonPlacement::Spread;

    // The classic desktop dialog: a title-bar close, Esc answering Cancel, else No, else OK.
    static TDialogRequest Standard(TDialogIcon icon, const QString& title, const QString& text,
                                       TDialogButtons buttons);
};

// The answer of the row's last button: Cancel, else No, else OK.
TDialogResult LastButton(TDialogButtons buttons);

class IMessageDialogs {
public:
    virtual ~IMessageDialogs() = default;
    // Modal: returns once the learner answered.
    virtual TDialogResult Show(const TDialogRequest& dialog) = 0;
};
