#pragma once

#include "BaseForm.h"

class TImage;

// A page with a back area: `vissza` lies over the back button painted in the page's background and
// takes the learner out of the topic, back to the topic chooser.
class TBaseBillForm : public TBaseForm {
    Q_OBJECT
public:
    explicit TBaseBillForm(const QString& pageName);

    TImage* vissza() const { return vissza_; }

protected:

private:
    TImage* vissza_;
};
