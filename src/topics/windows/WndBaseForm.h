#pragma once

#include "framework/BaseForm.h"

class TImage;
class TWindowGroup;

// A page of the windows topic: the desktop picture "ablakok\windows.jpg" with its to-main sign,
// and the page's practice windows on it.
class TWndBaseForm : public TBaseForm {
    Q_OBJECT
public:
    explicit TWndBaseForm(const QString& pageName);

    TImage* imgToMain() const { return imgToMain_; }
    TWindowGroup& Windows() const;

protected:
    void Notify() { NotifyModule(); }

private:
    TImage* imgToMain_;
};
